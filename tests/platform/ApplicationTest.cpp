#include "Application.h"
#include "CustomPanel.h"
#include "Exception.h"
#include "Form.h"
#include "MainMenu.h"
#include "MenuItem.h"
#include "Screen.h"
#include "TestSupport.h"

#include <QAction>
#include <QEventLoop>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

struct TShownBox {
    String Text;
    String Caption;
    unsigned Flags;
};

// Answers every message box with OK and keeps what it showed.
class ApplicationTest : public testing::Test {
protected:
    void SetUp() override {
        Application->SetTitle("KQ-300 Setup");
        Application->OnMessageBox = [this](const String& text, const String& caption,
                                           unsigned flags) {
            Boxes.push_back({text, caption, flags});
            return IDOK;
        };
    }

    void TearDown() override {
        Application->OnMessageBox = nullptr;
        Application->OnException = nullptr;
        Application->OnIdle = nullptr;
    }

    void ExpectOneErrorBox(const String& text) {
        ASSERT_EQ(Boxes.size(), 1u);
        EXPECT_EQ(Boxes[0].Text, text);
        EXPECT_EQ(Boxes[0].Caption, "KQ-300 Setup");
        EXPECT_EQ(Boxes[0].Flags & 0xF0, MB_ICONERROR);
        Boxes.clear();
    }

    std::vector<TShownBox> Boxes;
};

TEST_F(ApplicationTest, HandleExceptionShowsTheMessageAsAnError) {
    Application->HandleException(Exception("The card does not answer."));
    ExpectOneErrorBox("The card does not answer.");
}

TEST_F(ApplicationTest, HandleExceptionGoesToOnExceptionWhenSet) {
    TObject* sender = nullptr;
    String message;
    Application->OnException = [&](TObject* s, const std::exception& error) {
        sender = s;
        message = error.what();
    };
    Application->HandleException(EReadError("bad line"));
    EXPECT_EQ(sender, Application);
    EXPECT_EQ(message, "bad line");
    EXPECT_TRUE(Boxes.empty());
}

// The QAction that shows a menu item, found through the form's own window.
QAction* ActionFor(TForm* form, const String& caption) {
    QWidget* window = WindowOf(form);
    if (!window)
        return nullptr;
    auto* bar = window->findChild<QMenuBar*>();
    if (!bar)
        return nullptr;
    std::vector<QAction*> actions;
    for (QAction* top : bar->actions()) {
        actions.push_back(top);
        if (top->menu())
            for (QAction* sub : top->menu()->actions())
                actions.push_back(sub);
    }
    auto it = std::find_if(actions.begin(), actions.end(), [&](QAction* a) {
        return a->text() == QString::fromStdString(caption);
    });
    return it == actions.end() ? nullptr : *it;
}

TEST_F(ApplicationTest, ExceptionInAMenuHandlerIsShownAndTheProgramGoesOn) {
    TForm form(nullptr);
    auto* menu = new TMainMenu(&form);
    auto* file = new TMenuItem(&form);
    file->SetCaption("&File");
    menu->Items()->Add(file);
    auto* check = new TMenuItem(&form);
    check->SetCaption("&Check card");
    file->Add(check);
    form.SetMenu(menu);
    int clicks = 0;
    check->OnClick = [&](TObject*) {
        ++clicks;
        throw Exception("No card found");
    };
    ShowAndWait(&form);

    QAction* action = ActionFor(&form, "&Check card");
    ASSERT_NE(action, nullptr);
    action->trigger();
    ExpectOneErrorBox("No card found");
    action->trigger();
    Application->ProcessMessages();
    EXPECT_EQ(clicks, 2);
    ExpectOneErrorBox("No card found");
}

TEST_F(ApplicationTest, ExceptionInAMouseClickHandlerIsShownAndTheProgramGoesOn) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* panel = new TCustomPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(10, 10, 100, 50);
    int clicks = 0;
    panel->OnClick = [&](TObject*) {
        ++clicks;
        throw Exception("Range out of bounds");
    };
    ShowAndWait(&form);
    QWidget* widget = WidgetAt(panel, {20, 20});
    ASSERT_NE(widget, nullptr);
    for (int i = 0; i < 2; ++i) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(20, 20));
        Application->ProcessMessages();
        ExpectOneErrorBox("Range out of bounds");
    }
    EXPECT_EQ(clicks, 2);
}

TEST_F(ApplicationTest, OnIdleRunsWhenTheLoopRunsOutOfEvents) {
    int idles = 0;
    TObject* sender = nullptr;
    Application->OnIdle = [&](TObject* s, bool& done) {
        sender = s;
        EXPECT_TRUE(done);
        ++idles;
    };
    QEventLoop loop;
    QTimer::singleShot(50, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_GE(idles, 1);
    EXPECT_EQ(sender, Application);
}

TEST_F(ApplicationTest, OnIdleNotDoneIsCalledAgainWithoutOtherEvents) {
    QEventLoop loop;
    int idles = 0;
    Application->OnIdle = [&](TObject*, bool& done) {
        if (++idles == 5)
            loop.quit();
        done = false;
    };
    bool timedOut = false;
    QTimer::singleShot(5000, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    loop.exec();
    EXPECT_FALSE(timedOut);
    EXPECT_GE(idles, 5);
}

TEST_F(ApplicationTest, ScreenListsEveryFormVisibleOrHidden) {
    int before = Screen->FormCount();
    auto shown = std::make_unique<TForm>(nullptr);
    auto hidden = std::make_unique<TForm>(Application); // owned, still a form of its own
    ShowAndWait(shown.get());
    ASSERT_EQ(Screen->FormCount(), before + 2);
    std::vector<TForm*> forms;
    for (int i = 0; i < Screen->FormCount(); ++i)
        forms.push_back(Screen->Forms(i));
    EXPECT_NE(std::find(forms.begin(), forms.end(), shown.get()), forms.end());
    EXPECT_NE(std::find(forms.begin(), forms.end(), hidden.get()), forms.end());
    shown.reset();
    EXPECT_EQ(Screen->FormCount(), before + 1);
    EXPECT_EQ(Screen->Forms(Screen->FormCount() - 1), hidden.get());
}

} // namespace
