#include "Application.h"
#include "CustomPanel.h"
#include "Form.h"
#include "TestSupport.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using TLog = std::vector<String>;

TCustomPanel* AddPanel(TWinControl* parent, const String& name, TLog& log) {
    auto* panel = new TCustomPanel(parent);
    panel->SetName(name);
    panel->SetParent(parent);
    panel->OnEnter = [&log, name](TObject*) { log.push_back(name + " enter"); };
    panel->OnExit = [&log, name](TObject*) { log.push_back(name + " exit"); };
    return panel;
}

TEST(FocusTest, EnterAndExitFollowTheFocusWithinAForm) {
    TLog log;
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    TCustomPanel* outer = AddPanel(&form, "Outer", log);
    outer->SetBounds(10, 10, 200, 200);
    TCustomPanel* inner = AddPanel(outer, "Inner", log);
    inner->SetBounds(10, 10, 50, 50);
    TCustomPanel* other = AddPanel(&form, "Other", log);
    other->SetBounds(250, 10, 100, 100);
    ShowAndWait(&form);

    inner->SetFocus();
    Application->ProcessMessages();
    EXPECT_EQ(log, (TLog{"Outer enter", "Inner enter"})); // outermost first
    log.clear();
    outer->SetFocus();
    Application->ProcessMessages();
    EXPECT_EQ(log, (TLog{"Inner exit"})); // still inside Outer
    log.clear();
    inner->SetFocus();
    other->SetFocus();
    Application->ProcessMessages();
    EXPECT_EQ(log, (TLog{"Inner enter", "Inner exit", "Outer exit", "Other enter"}));
}

TEST(FocusTest, AnotherFormTakingTheFocusEntersNothingHere) {
    TLog log;
    TForm first(nullptr), second(nullptr);
    first.SetBounds(0, 0, 300, 200);
    second.SetBounds(350, 0, 300, 200);
    TCustomPanel* a = AddPanel(&first, "A", log);
    TCustomPanel* b = AddPanel(&second, "B", log);
    ShowAndWait(&first);
    a->SetFocus();
    Application->ProcessMessages();
    ShowAndWait(&second);
    b->SetFocus();
    second.SetFocus();
    QTest::qWait(20);
    first.SetFocus(); // back to the first form: A keeps its focus, nothing is entered again
    QTest::qWait(20);
    EXPECT_EQ(log, (TLog{"A enter", "B enter"}));
}

TEST(ActivationTest, FormsHearActivationAndWmActivateWhenAnotherTakesOver) {
    struct TRecordingForm : TForm {
        using TForm::TForm;
        std::vector<std::intptr_t> Activations; // WParam of each WM_ACTIVATE
        void WndProc(TMessage& m) override {
            if (m.Msg == WM_ACTIVATE)
                Activations.push_back(m.WParam);
            TForm::WndProc(m);
        }
    };
    TLog log;
    TRecordingForm first(nullptr), second(nullptr);
    first.SetBounds(0, 0, 300, 200);
    second.SetBounds(350, 0, 300, 200);
    first.OnActivate = [&](TObject* sender) {
        EXPECT_EQ(sender, &first);
        log.push_back("first activate");
    };
    first.OnDeactivate = [&](TObject*) { log.push_back("first deactivate"); };
    second.OnActivate = [&](TObject*) { log.push_back("second activate"); };
    ShowAndWait(&first);
    first.SetFocus();
    QTest::qWait(20);
    ShowAndWait(&second);
    second.SetFocus();
    QTest::qWait(20);
    EXPECT_EQ(log, (TLog{"first activate", "first deactivate", "second activate"}));
    ASSERT_FALSE(first.Activations.empty());
    EXPECT_EQ(first.Activations.front(), WA_ACTIVE);
    EXPECT_EQ(first.Activations.back(), WA_INACTIVE);
    EXPECT_EQ(second.Activations.back(), WA_ACTIVE);
}

} // namespace
