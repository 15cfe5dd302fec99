#include "Application.h"
#include "Bitmap.h"
#include "BoardHighlight.h"
#include "BoardImage.h"
#include "Button.h"
#include "ComboBox.h"
#include "DipSwitch.h"
#include "MainMenu.h"
#include "MenuItem.h"
#include "PopupForm.h"
#include "RadioButton.h"
#include "RadioPanel.h"
#include "TestSupport.h"
#include "ThreeJumper.h"
#include "template.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// The two options on the real main window, used with the keyboard and the
// mouse as a person would.
class OptionsScenarioTest : public testing::Test {
protected:
    void SetUp() override {
        Application->CreateForm(MainForm);
        ShowAndWait(MainForm);
        MovePointerTo(MainForm->BoardImage1, {330, 60}); // between the circles
    }
    void TearDown() override {
        delete MainForm;
        MainForm = nullptr;
    }

    static TMenuItem* Component(const String& name) {
        return dynamic_cast<TMenuItem*>(MainForm->FindComponent(name));
    }

    static void Keys(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window, key, modifiers);
        Application->ProcessMessages();
    }

    TPopupForm* RangePopup() const {
        TPopupForm* popup = MainForm->RangeHighlight2->Popup();
        return popup ? popup : MainForm->RangeHighlight1->Popup();
    }

    // The levers the drawn switch shows at ON, read off the screen: a lever
    // is white, over y 13..23 at ON and 29..39 at the far end of its slot.
    static String LeversShownAtOn() {
        TBitmap panel;
        MainForm->RangePanel->PaintTo(panel);
        TDipSwitch* dips = MainForm->RangeDips;
        String levers;
        for (int slotCentre : {10, 26, 42, 58}) {
            bool on = panel.Pixel(dips->Left() + slotCentre, dips->Top() + 18) == clWhite;
            bool off = panel.Pixel(dips->Left() + slotCentre, dips->Top() + 34) == clWhite;
            levers += on && !off ? '1' : !on && off ? '0' : '?';
        }
        return levers;
    }

    void OpenRangePopup() {
        Component("OutputRange1")->Click();
        Application->ProcessMessages();
        ASSERT_NE(RangePopup(), nullptr);
    }
};

TEST_F(OptionsScenarioTest, SettingsMenuListsBothOptionsInOrder) {
    TMenuItem* settings = Component("Settings1");
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(settings->Caption(), "&Settings");
    EXPECT_EQ(settings->MenuIndex(), 1);
    ASSERT_EQ(settings->Count(), 2);
    EXPECT_EQ(settings->Items(0), Component("OutputRange1"));
    EXPECT_EQ(settings->Items(0)->Caption(), "Output &Range");
    EXPECT_EQ(settings->Items(1), Component("HighLevel1"));
    EXPECT_EQ(settings->Items(1)->Caption(), "&High Level");
}

TEST_F(OptionsScenarioTest, KeyboardOpensTheRangePopupPinnedAndChecked) {
    QWidget* window = WindowOf(MainForm);
    Keys(window, Qt::Key_S, Qt::AltModifier);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr) << "Alt+S opens the Settings menu";
    Keys(menu, Qt::Key_R);
    TPopupForm* popup = RangePopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->Visible());
    EXPECT_TRUE(popup->OwnerHighlight()->Pinned());
    EXPECT_TRUE(Component("OutputRange1")->Checked());

    Component("OutputRange1")->Click(); // chosen again: closes
    EXPECT_FALSE(popup->Visible());
    EXPECT_FALSE(Component("OutputRange1")->Checked());
}

TEST_F(OptionsScenarioTest, NextWalksToTheHighLevelPopupAndWrapsBack) {
    OpenRangePopup();
    TPopupForm* range = RangePopup();
    ClickOn(dynamic_cast<TControl*>(range->FindComponent("NextButton")), {29, 12});
    TPopupForm* level = MainForm->HighLevelHighlight->Popup();
    ASSERT_NE(level, nullptr);
    EXPECT_TRUE(level->Visible());
    EXPECT_FALSE(range->Visible());
    EXPECT_TRUE(MainForm->HighLevelHighlight->Pinned());
    EXPECT_TRUE(Component("HighLevel1")->Checked());
    EXPECT_FALSE(Component("OutputRange1")->Checked());
    ClickOn(dynamic_cast<TControl*>(level->FindComponent("NextButton")), {29, 12});
    EXPECT_TRUE(range->Visible());
    EXPECT_FALSE(level->Visible());
    EXPECT_TRUE(range->OwnerHighlight()->Pinned());
}

TEST_F(OptionsScenarioTest, FirstEntryShowsTheFirstRangeWithItsPattern) {
    EXPECT_EQ(MainForm->RangeBox->ItemIndex(), -1);
    EXPECT_EQ(MainForm->RangeDips->BinaryValueStr(), "0000");
    OpenRangePopup();
    Application->ProcessMessages();
    EXPECT_EQ(MainForm->RangeBox->ItemIndex(), 0);
    EXPECT_EQ(MainForm->RangeBox->Items()[0], "0-2.5V (unipolar)");
    EXPECT_EQ(MainForm->RangeDips->BinaryValueStr(), "0110");
    EXPECT_EQ(LeversShownAtOn(), "0110");
}

TEST_F(OptionsScenarioTest, ChoosingARangeSetsTheSwitch) {
    OpenRangePopup();
    auto* list = dynamic_cast<QComboBox*>(WidgetAt(MainForm->RangeBox, {10, 10}));
    ASSERT_NE(list, nullptr);
    struct Choice {
        const char* Text;
        const char* Pattern;
        std::uint32_t Value;
    };
    const Choice choices[] = {
        {"±10V (bipolar)", "1010", 10},
        {"4-20mA (current)", "0001", 1},
        {"0-5V (unipolar)", "0000", 0},
        {"±2.5V (bipolar)", "1110", 14},
    };
    for (const Choice& choice : choices) {
        int index = list->findText(QString::fromUtf8(choice.Text));
        ASSERT_GE(index, 0) << choice.Text;
        // Open the list and click the entry, as with the mouse.
        list->showPopup();
        Application->ProcessMessages();
        QAbstractItemView* view = list->view();
        QRect entry = view->visualRect(view->model()->index(index, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, entry.center());
        Application->ProcessMessages();
        EXPECT_EQ(MainForm->RangeDips->BinaryValueStr(), choice.Pattern) << choice.Text;
        EXPECT_EQ(LeversShownAtOn(), choice.Pattern) << choice.Text;
        EXPECT_EQ(MainForm->RangeDips->Value(), choice.Value) << choice.Text;
    }
}

TEST_F(OptionsScenarioTest, ArrowKeysOnTheListUpdateTheSwitchAtEachStep) {
    OpenRangePopup();
    QWidget* list = WidgetAt(MainForm->RangeBox, {10, 10});
    ASSERT_NE(list, nullptr);
    list->setFocus();
    const char* expected[] = {"0000", "0010", "1110", "1000", "1010", "0001"};
    for (const char* pattern : expected) {
        Keys(list, Qt::Key_Down);
        EXPECT_EQ(LeversShownAtOn(), pattern);
    }
    Keys(list, Qt::Key_Up);
    EXPECT_EQ(MainForm->RangeDips->BinaryValueStr(), "1010");
}

TEST_F(OptionsScenarioTest, JumperClicksToggleBetweenFiveAndThreePointThreeVolts) {
    Component("HighLevel1")->Click();
    Application->ProcessMessages();
    TThreeJumper* jumper = MainForm->HighLevelJumper;
    EXPECT_EQ(jumper->JumperState(), jsRight);
    EXPECT_TRUE(MainForm->HighLevel5Radio->Checked());
    std::vector<TJumperState> seen;
    // The open position never stays: the state is back on a pair by the time
    // anything is painted.
    for (int click = 0; click < 4; ++click) {
        ClickOn(jumper, {21, 9});
        seen.push_back(jumper->JumperState());
        EXPECT_EQ(MainForm->HighLevel5Radio->Checked(), jumper->JumperState() == jsRight);
        EXPECT_EQ(MainForm->HighLevel33Radio->Checked(), jumper->JumperState() == jsLeft);
    }
    EXPECT_EQ(seen, (std::vector<TJumperState>{jsLeft, jsRight, jsLeft, jsRight}));
}

TEST_F(OptionsScenarioTest, RadioButtonsPutTheCapWhereTheySay) {
    Component("HighLevel1")->Click();
    Application->ProcessMessages();
    ClickOn(MainForm->HighLevel33Radio, {8, 8});
    EXPECT_TRUE(MainForm->HighLevel33Radio->Checked());
    EXPECT_EQ(MainForm->HighLevelJumper->JumperState(), jsLeft);
    ClickOn(MainForm->HighLevel33Radio, {8, 8}); // already checked: nothing changes
    EXPECT_EQ(MainForm->HighLevelJumper->JumperState(), jsLeft);
    ClickOn(MainForm->HighLevel5Radio, {8, 8});
    EXPECT_TRUE(MainForm->HighLevel5Radio->Checked());
    EXPECT_FALSE(MainForm->HighLevel33Radio->Checked());
    EXPECT_EQ(MainForm->HighLevelJumper->JumperState(), jsRight);
}

} // namespace
