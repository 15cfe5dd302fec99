#include "FormReader.h"
#include "Application.h"
#include "ClassRegistry.h"
#include "CustomPanel.h"
#include "Exception.h"
#include "Form.h"
#include "FormBindings.h"
#include "MainMenu.h"
#include "MenuItem.h"
#include "Screen.h"
#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// What the test classes did, in order.
std::vector<String> Log;
int LivePanels = 0;
bool WindowShownWhileReading = false;

bool AnyWindowShows() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); });
}

// A panel that logs each property the reader sets on it, and notes when a
// setter runs outside loading or while a window already shows.
class TTestPanel : public TCustomPanel {
public:
    explicit TTestPanel(TComponent* owner)
        : TCustomPanel(owner) {
        ++LivePanels;
    }
    ~TTestPanel() override { --LivePanels; }
    String ClassName() const override { return "TTestPanel"; }

    static void DefineProperties(TPropertyTable& table) {
        TControl::DefineProperties(table);
        table.Integer<TTestPanel>("Alpha", &TTestPanel::SetAlpha);
        table.Text<TTestPanel>("Label", &TTestPanel::SetLabel);
        table.Reference("Buddy", &TTestPanel::SetBuddy);
        table.Event("OnPing", &TTestPanel::OnPing);
    }

    void SetAlpha(int alpha) { Note("Alpha=" + std::to_string(alpha)); }
    void SetLabel(const String& label) { Note("Label=" + label); }
    void SetBuddy(TComponent* buddy) {
        Note("Buddy=" + buddy->Name());
        Buddy = buddy;
    }

    TComponent* Buddy = nullptr;
    TNotifyEvent OnPing;

    void Loaded() override {
        TCustomPanel::Loaded();
        Log.push_back(Name() + " loaded");
    }

private:
    void Note(const String& what) {
        String entry = Name() + "." + what;
        if (!Loading())
            entry += " outside loading";
        Log.push_back(entry);
        WindowShownWhileReading = WindowShownWhileReading || AnyWindowShows();
    }
};

// A form built from a description in its constructor, as the program's forms are.
class TTestForm : public TForm {
public:
    explicit TTestForm(TComponent* owner)
        : TForm(owner) {}
    TTestForm(TComponent* owner, const String& description)
        : TForm(owner) {
        TClassRegistry::Instance().Register<TTestForm>("TTestForm");
        TClassRegistry::Instance().Register<TTestPanel>("TTestPanel");
        TFormReader(*this, Bindings(), "test.dfm").Read(description);
    }
    String ClassName() const override { return "TTestForm"; }

    TTestPanel* Panel1 = nullptr;
    TTestPanel* Panel2 = nullptr;
    TTestPanel* Inner = nullptr;
    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* File1 = nullptr;
    TMenuItem* Exit1 = nullptr;

    std::vector<TObject*> Pings;
    int Exits = 0;

    void FormCreate(TObject*) {
        bool anyLoading = Loading();
        for (int i = 0; i < ComponentCount(); ++i)
            anyLoading = anyLoading || Components(i)->Loading();
        Log.push_back(anyLoading ? "OnCreate while loading" : "OnCreate");
    }
    void PanelPing(TObject* sender) { Pings.push_back(sender); }
    void Exit1Click(TObject*) { ++Exits; }
    void FormClose(TObject*, TCloseAction&) {}

private:
    static const TFormBindings& Bindings() {
        static const TFormBindings bindings = [] {
            TFormBindings b;
            b.Field("Panel1", &TTestForm::Panel1);
            b.Field("Panel2", &TTestForm::Panel2);
            b.Field("Inner", &TTestForm::Inner);
            b.Field("MainMenu1", &TTestForm::MainMenu1);
            b.Field("File1", &TTestForm::File1);
            b.Field("Exit1", &TTestForm::Exit1);
            b.Handler("FormCreate", &TTestForm::FormCreate);
            b.Handler("PanelPing", &TTestForm::PanelPing);
            b.Handler("Exit1Click", &TTestForm::Exit1Click);
            b.Handler("FormClose", &TTestForm::FormClose);
            return b;
        }();
        return bindings;
    }
};

const String GoodDescription = "object TestForm: TTestForm\n"     // 1
                               "  Left = 30\n"                    // 2
                               "  Top = 40\n"                     // 3
                               "  Width = 500\n"                  // 4
                               "  Height = 400\n"                 // 5
                               "  Caption = 'Range '#177'10 V'\n" // 6
                               "  Menu = MainMenu1\n"             // 7
                               "  OnCreate = FormCreate\n"        // 8
                               "  Visible = True\n"               // 9
                               "  object Panel1: TTestPanel\n"    // 10
                               "    Left = 8\n"                   // 11
                               "    Top = 9\n"                    // 12
                               "    Label = 'first'\n"            // 13
                               "    Alpha = 1\n"                  // 14
                               "    Buddy = Panel2\n"             // 15
                               "    OnPing = PanelPing\n"         // 16
                               "    OnClick = PanelPing\n"        // 17
                               "    object Inner: TTestPanel\n"   // 18
                               "      Left = 2\n"                 // 19
                               "      Top = 3\n"                  // 20
                               "      Alpha = 3\n"                // 21
                               "      Buddy = testform\n"         // 22
                               "    end\n"                        // 23
                               "  end\n"                          // 24
                               "  object Panel2: TTestPanel\n"    // 25
                               "    Alpha = 2\n"                  // 26
                               "    Label = 'second'\n"           // 27
                               "  end\n"                          // 28
                               "  object MainMenu1: TMainMenu\n"  // 29
                               "    object File1: TMenuItem\n"    // 30
                               "      Caption = '&File'\n"        // 31
                               "      object Exit1: TMenuItem\n"  // 32
                               "        Caption = 'E&xit'\n"      // 33
                               "        OnClick = Exit1Click\n"   // 34
                               "      end\n"                      // 35
                               "    end\n"                        // 36
                               "  end\n"                          // 37
                               "end\n";                           // 38

class FormReaderTest : public testing::Test {
protected:
    void SetUp() override {
        Log.clear();
        WindowShownWhileReading = false;
    }
};

TEST_F(FormReaderTest, SetsPropertiesInStoredOrderAndResolvesLaterReferencesAfterwards) {
    auto form = std::make_unique<TTestForm>(nullptr, GoodDescription);
    ASSERT_GE(Log.size(), 7u);
    std::vector<String> reading(Log.begin(), Log.begin() + 7);
    EXPECT_EQ(reading, (std::vector<String>{"Panel1.Label=first", "Panel1.Alpha=1", "Inner.Alpha=3",
                                            "Panel2.Alpha=2", "Panel2.Label=second",
                                            "Panel1.Buddy=Panel2", "Inner.Buddy=TestForm"}));
    EXPECT_EQ(form->Panel1->Buddy, form->Panel2);
    EXPECT_EQ(form->Inner->Buddy, form.get());
    EXPECT_EQ(form->Menu(), form->MainMenu1); // named before the menu was written
    EXPECT_EQ(form->Caption(), String("Range \xC2\xB1") + "10 V");
}

TEST_F(FormReaderTest, RunsLoadedOnEveryComponentThenOnCreateOnce) {
    auto form = std::make_unique<TTestForm>(nullptr, GoodDescription);
    ASSERT_EQ(Log.size(), 11u);
    std::vector<String> loaded(Log.begin() + 7, Log.begin() + 10);
    std::sort(loaded.begin(), loaded.end());
    EXPECT_EQ(loaded, (std::vector<String>{"Inner loaded", "Panel1 loaded", "Panel2 loaded"}));
    EXPECT_EQ(Log.back(), "OnCreate");
    EXPECT_FALSE(form->Loading());
    for (int i = 0; i < form->ComponentCount(); ++i)
        EXPECT_FALSE(form->Components(i)->Loading()) << form->Components(i)->Name();
}

TEST_F(FormReaderTest, CreatesComponentsOwnedByTheFormInsideTheirParents) {
    auto form = std::make_unique<TTestForm>(nullptr, GoodDescription);
    EXPECT_EQ(form->Name(), "TestForm");
    EXPECT_EQ(form->BoundsRect(), Bounds(30, 40, 500, 400));
    ASSERT_EQ(form->ComponentCount(), 6);
    for (const char* name : {"Panel1", "Inner", "Panel2", "MainMenu1", "File1", "Exit1"}) {
        TComponent* component = form->FindComponent(name);
        ASSERT_NE(component, nullptr) << name;
        EXPECT_EQ(component->Owner(), form.get()) << name;
    }
    EXPECT_EQ(form->Panel1, form->FindComponent("Panel1"));
    EXPECT_EQ(form->Panel2, form->FindComponent("Panel2"));
    EXPECT_EQ(form->Inner, form->FindComponent("Inner"));
    EXPECT_EQ(form->Panel1->Parent(), form.get());
    EXPECT_EQ(form->Panel2->Parent(), form.get());
    EXPECT_EQ(form->Inner->Parent(), form->Panel1);
    EXPECT_EQ(form->Inner->Left(), 2);
    EXPECT_EQ(form->Inner->Top(), 3);
    EXPECT_EQ(form->Panel1->ClassName(), "TTestPanel");
}

TEST_F(FormReaderTest, BindsEventsToTheFormsMethodsByName) {
    auto form = std::make_unique<TTestForm>(nullptr, GoodDescription);
    ASSERT_TRUE(form->Panel1->OnPing);
    form->Panel1->OnPing(form->Panel1);
    form->Panel1->Click();
    EXPECT_EQ(form->Pings, (std::vector<TObject*>{form->Panel1, form->Panel1}));
    EXPECT_FALSE(form->Panel2->OnPing);
    form->Exit1->Click();
    EXPECT_EQ(form->Exits, 1);
}

TEST_F(FormReaderTest, NestedMenuItemsMakeTheMenuTree) {
    auto form = std::make_unique<TTestForm>(nullptr, GoodDescription);
    TMenuItem* items = form->MainMenu1->Items();
    ASSERT_EQ(items->Count(), 1);
    EXPECT_EQ(items->Items(0), form->File1);
    ASSERT_EQ(form->File1->Count(), 1);
    EXPECT_EQ(form->File1->Items(0), form->Exit1);
    EXPECT_EQ(form->Exit1->Caption(), "E&xit");

    // The window's menu bar shows them, and choosing Exit runs the handler.
    auto* bar = WindowOf(form.get())->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->actions().size(), 1);
    EXPECT_EQ(bar->actions()[0]->text(), "&File");
    QMenu* file = bar->actions()[0]->menu();
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(file->actions().size(), 1);
    EXPECT_EQ(file->actions()[0]->text(), "E&xit");
    file->actions()[0]->trigger();
    EXPECT_EQ(form->Exits, 1);
}

TEST_F(FormReaderTest, FormDescribedVisibleShowsOnlyOnceComplete) {
    auto form = std::make_unique<TTestForm>(nullptr, GoodDescription);
    EXPECT_FALSE(WindowShownWhileReading);
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(WindowOf(form.get())->isVisible());
}

String FormWith(const String& body) {
    return "object TestForm: TTestForm\n"
           "  Visible = True\n" +
           body + "end\n";
}

TEST_F(FormReaderTest, FaultsNameTheirLineAndLeaveNothingBehind) {
    struct Case {
        const char* What;
        String Text;
        int Line;
        String Detail;
    };
    const Case cases[] = {
        {"unknown class",
         FormWith("  object Panel1: TTestPanel\n  end\n  object X: TNoSuch\n  end\n"), 5,
         "TNoSuch"},
        {"unknown property",
         FormWith("  object Panel1: TTestPanel\n    Alpha = 1\n    Gamma = 2\n  end\n"), 5,
         "Gamma"},
        {"unknown handler",
         FormWith("  object Panel1: TTestPanel\n    OnPing = NoSuchPing\n  end\n"), 4,
         "NoSuchPing"},
        {"handler of another signature",
         FormWith("  object Panel1: TTestPanel\n    OnPing = FormClose\n  end\n"), 4, "FormClose"},
        {"reference to a missing component",
         FormWith("  object Panel1: TTestPanel\n    Buddy = Panel9\n  end\n"
                  "  object Panel2: TTestPanel\n  end\n"),
         4, "Panel9"},
        {"reference to a component of another class",
         FormWith("  Menu = Panel1\n  object Panel1: TTestPanel\n  end\n"), 3, "Panel1"},
        {"wrong root class", "\nobject TestForm: TForm\nend\n", 2, "TForm"},
        {"value of the wrong kind",
         FormWith("  object Panel1: TTestPanel\n    Alpha = 'one'\n  end\n"), 4, "Alpha"},
        {"two components of one name",
         FormWith("  object Panel1: TTestPanel\n  end\n  object PANEL1: TTestPanel\n  end\n"), 5,
         "PANEL1"},
        {"field of another class", FormWith("  object Panel1: TMainMenu\n  end\n"), 3, "Panel1"},
        {"malformed text", FormWith("  object Panel1: TTestPanel\n    Alpha 1\n  end\n"), 4,
         "\"=\""},
    };
    const int formsBefore = Screen->FormCount();
    const auto windowsBefore = QApplication::topLevelWidgets().size();
    for (const Case& c : cases) {
        WindowShownWhileReading = false;
        try {
            TTestForm form(nullptr, c.Text);
            ADD_FAILURE() << c.What << ": no error";
        } catch (const EReadError& error) {
            EXPECT_TRUE(ReportsLineAndFault(error.what(), c.Line, c.Detail)) << c.What;
        }
        EXPECT_FALSE(WindowShownWhileReading) << c.What;
        EXPECT_EQ(Screen->FormCount(), formsBefore) << c.What;
        EXPECT_EQ(LivePanels, 0) << c.What;
        EXPECT_FALSE(AnyWindowShows()) << c.What;
        EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore) << c.What;
    }
}

} // namespace
