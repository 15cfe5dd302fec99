#include "Form.h"
#include "Application.h"
#include "MainMenu.h"
#include "MenuItem.h"
#include "Screen.h"
#include "TestSupport.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

TMenuItem* NewItem(TComponent* owner, const String& caption) {
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    return item;
}

QMenuBar* MenuBarOf(TForm* form) {
    QWidget* window = WindowOf(form);
    return window ? window->findChild<QMenuBar*>() : nullptr;
}

std::vector<String> Texts(const QList<QAction*>& actions) {
    std::vector<String> texts;
    for (QAction* action : actions)
        texts.push_back(action->text().toStdString());
    return texts;
}

// How much wider and taller the frame is than the window inside it.
QSize FrameExtra(TForm* form) {
    QWidget* window = WindowOf(form);
    return window->frameGeometry().size() - window->size();
}

// The outer frame of the form's window on the screen.
TRect FrameOf(TForm* form) {
    QRect frame = WindowOf(form)->frameGeometry();
    return Bounds(frame.x(), frame.y(), frame.width(), frame.height());
}

class FormTest : public testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(10, 20, 400, 300);
        Menu = new TMainMenu(Form.get());
        Form->SetMenu(Menu);
    }

    std::unique_ptr<TForm> Form;
    TMainMenu* Menu = nullptr;
};

TEST_F(FormTest, ClientAreaIsTheOuterSizeLessMenuBarAndFrame) {
    EXPECT_EQ(Form->ClientHeight(), 300); // an empty menu takes no room
    Menu->Items()->Add(NewItem(Form.get(), "&File"));
    int barHeight = MenuBarOf(Form.get())->sizeHint().height();
    ASSERT_GT(barHeight, 0);
    EXPECT_EQ(Form->ClientHeight(), 300 - barHeight);
    EXPECT_EQ(Form->ClientWidth(), 400);

    ShowAndWait(Form.get());
    QWidget* window = WindowOf(Form.get());
    QSize frame = FrameExtra(Form.get());
    // Showing keeps the outer bounds; the client area gives way to the frame.
    EXPECT_EQ(Form->BoundsRect(), Bounds(10, 20, 400, 300));
    EXPECT_EQ(FrameOf(Form.get()), Bounds(10, 20, 400, 300));
    EXPECT_EQ(MenuBarOf(Form.get())->height(), barHeight);
    EXPECT_EQ(Form->ClientWidth(), 400 - frame.width());
    EXPECT_EQ(Form->ClientHeight(), 300 - barHeight - frame.height());
    // The client area starts right under the menu bar.
    QPoint underBar = window->mapToGlobal(QPoint(0, barHeight));
    EXPECT_EQ(Form->ClientToScreen({0, 0}), (TPoint{underBar.x(), underBar.y()}));
    QWidget* client = WidgetAt(Form.get(), {1, 1});
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->size(), QSize(Form->ClientWidth(), Form->ClientHeight()));
}

TEST_F(FormTest, ShownFormTakesNewBoundsAsTheOuterFrame) {
    ShowAndWait(Form.get());
    for (TRect bounds : {Bounds(50, 60, 300, 200), Bounds(0, 0, 500, 400), Bounds(50, 60, 500, 400),
                         Bounds(120, 90, 250, 150)}) {
        Form->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        Application->ProcessMessages();
        EXPECT_EQ(Form->BoundsRect(), bounds);
        EXPECT_EQ(FrameOf(Form.get()), bounds);
    }
}

TEST_F(FormTest, SettingTheClientSizeSizesTheFrameAroundIt) {
    Menu->Items()->Add(NewItem(Form.get(), "&File"));
    ShowAndWait(Form.get());
    int barHeight = MenuBarOf(Form.get())->height();
    QSize frame = FrameExtra(Form.get());
    Form->SetClientWidth(350);
    Form->SetClientHeight(200);
    Application->ProcessMessages();
    EXPECT_EQ(Form->ClientWidth(), 350);
    EXPECT_EQ(Form->ClientHeight(), 200);
    EXPECT_EQ(Form->Width(), 350 + frame.width());
    EXPECT_EQ(Form->Height(), 200 + barHeight + frame.height());
    EXPECT_EQ(WidgetAt(Form.get(), {1, 1})->size(), QSize(350, 200));
}

TEST_F(FormTest, MaximisedFormFillsTheWorkArea) {
    ASSERT_EQ(Screen->WorkAreaRect(), Rect(0, 0, 800, 800));
    Form->SetWindowState(wsMaximized);
    ShowAndWait(Form.get());
    EXPECT_EQ(Form->WindowState(), wsMaximized);
    EXPECT_EQ(Form->BoundsRect(), Rect(0, 0, 800, 800));
    EXPECT_EQ(FrameOf(Form.get()), Rect(0, 0, 800, 800));
    QSize frame = FrameExtra(Form.get());
    EXPECT_EQ(Form->ClientWidth(), 800 - frame.width());
    EXPECT_EQ(Form->ClientHeight(), 800 - frame.height());
}

// Notes its own destruction.
class TWatchedForm : public TForm {
public:
    TWatchedForm(TComponent* owner, bool& destroyed)
        : TForm(owner)
        , FDestroyed(destroyed) {}
    ~TWatchedForm() override { FDestroyed = true; }

private:
    bool& FDestroyed;
};

TEST(FormCloseTest, CloseOfAnOtherFormDoesWhatOnCloseChooses) {
    struct Case {
        TCloseAction Chosen;
        bool Visible, Destroyed;
        TWindowState State;
    };
    const Case cases[] = {
        {caHide, false, false, wsNormal},
        {caNone, true, false, wsNormal},
        {caMinimize, true, false, wsMinimized},
        {caFree, false, true, wsNormal},
    };
    for (const Case& c : cases) {
        bool destroyed = false;
        auto* form = new TWatchedForm(nullptr, destroyed);
        std::vector<TCloseAction> offered;
        form->OnClose = [&](TObject* sender, TCloseAction& action) {
            EXPECT_EQ(sender, form);
            offered.push_back(action);
            action = c.Chosen;
        };
        ShowAndWait(form);
        form->Close();
        Application->ProcessMessages();
        QTest::qWait(10);
        EXPECT_EQ(offered, std::vector<TCloseAction>{caHide}) << "action " << c.Chosen;
        EXPECT_EQ(destroyed, c.Destroyed) << "action " << c.Chosen;
        if (!destroyed) {
            EXPECT_EQ(form->Visible(), c.Visible) << "action " << c.Chosen;
            EXPECT_EQ(form->Showing(), c.Visible) << "action " << c.Chosen;
            EXPECT_EQ(form->WindowState(), c.State) << "action " << c.Chosen;
            delete form;
        }
    }
    EXPECT_FALSE(Application->Terminated());
}

TEST(FormCloseTest, ClosingTheWindowAsksTheForm) {
    TForm form(nullptr);
    int asked = 0;
    form.OnClose = [&](TObject*, TCloseAction&) { ++asked; };
    ShowAndWait(&form);
    WindowOf(&form)->close();
    Application->ProcessMessages();
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(form.Visible());
}

TEST(FormCloseTest, ClosingTheMainFormEndsTheApplication) {
    TForm* mainForm = nullptr;
    Application->CreateForm(mainForm);
    ASSERT_EQ(Application->MainForm(), mainForm);
    int asked = 0;
    mainForm->OnClose = [&](TObject*, TCloseAction&) { ++asked; };
    ShowAndWait(mainForm);
    ASSERT_FALSE(Application->Terminated());
    mainForm->Close();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(Application->Terminated());
}

TEST_F(FormTest, MenuBarFollowsEveryItemChangeAtOnce) {
    QMenuBar* bar = MenuBarOf(Form.get());
    ASSERT_NE(bar, nullptr);
    TMenuItem* top = Menu->Items();
    TMenuItem* file = NewItem(Form.get(), "&File");
    top->Add(file);
    TMenuItem* help = NewItem(Form.get(), "&Help");
    top->Add(help);
    EXPECT_EQ(Texts(bar->actions()), (std::vector<String>{"&File", "&Help"}));

    TMenuItem* edit = NewItem(Form.get(), "&Edit");
    top->Insert(1, edit);
    EXPECT_EQ(Texts(bar->actions()), (std::vector<String>{"&File", "&Edit", "&Help"}));
    edit->SetCaption("&Options");
    EXPECT_EQ(Texts(bar->actions()), (std::vector<String>{"&File", "&Options", "&Help"}));

    TMenuItem* unipolar = NewItem(Form.get(), "&Unipolar");
    edit->Add(unipolar);
    ASSERT_NE(bar->actions()[1]->menu(), nullptr);
    QList<QAction*> entries = bar->actions()[1]->menu()->actions();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0]->text(), "&Unipolar");
    EXPECT_FALSE(entries[0]->isChecked());
    unipolar->SetChecked(true);
    EXPECT_TRUE(entries[0]->isCheckable());
    EXPECT_TRUE(entries[0]->isChecked());
    unipolar->SetChecked(false);
    EXPECT_FALSE(entries[0]->isChecked());

    delete edit;
    EXPECT_EQ(Texts(bar->actions()), (std::vector<String>{"&File", "&Help"}));
    EXPECT_EQ(top->Count(), 2);
}

} // namespace
