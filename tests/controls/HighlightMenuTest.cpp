#include "HighlightMenu.h"
#include "Application.h"
#include "Bitmap.h"
#include "BoardHighlight.h"
#include "BoardImage.h"
#include "Form.h"
#include "MainMenu.h"
#include "MenuItem.h"
#include "PopupForm.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A window with a menu bar of the given top-level captions and a board image
// naming that menu; highlights are added and first painted by the tests.
class HighlightMenuTest : public testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 700, 500);
        Menu = new TMainMenu(Form.get());
        Form->SetMenu(Menu);
        Board = new TBoardImage(Form.get());
        Board->SetParent(Form.get());
        Board->SetAutoSize(false);
        Board->SetBounds(0, 0, 600, 274);
        Board->SetCenterOnForm(false);
        Board->SetMenu(Menu);
    }

    void AddTopItems(std::initializer_list<const char*> captions) {
        for (const char* caption : captions) {
            auto* item = new TMenuItem(Form.get());
            item->SetCaption(caption);
            Menu->Items()->Add(item);
        }
    }

    TBoardHighlight* Add(const String& title, THighlightType type = htSettings) {
        auto* highlight = new TBoardHighlight(Form.get());
        highlight->SetParent(Board);
        highlight->SetBounds(10 + 70 * Board->ControlCount(), 10, 65, 65);
        highlight->SetTitle(title);
        highlight->SetHighlightType(type);
        return highlight;
    }

    void FirstPaint() {
        TBitmap shown;
        Board->PaintTo(shown);
    }

    std::vector<String> TopCaptions() const {
        std::vector<String> captions;
        for (int i = 0; i < Menu->Items()->Count(); ++i)
            captions.push_back(Menu->Items()->Items(i)->Caption());
        return captions;
    }

    TMenuItem* EntryOf(TBoardHighlight* h) {
        return THighlightMenu::Entry(Menu, h->HighlightType(), h->Title());
    }

    std::unique_ptr<TForm> Form;
    TMainMenu* Menu = nullptr;
    TBoardImage* Board = nullptr;
};

TEST_F(HighlightMenuTest, KindMenusStandInOrderBeforeHelpWhateverOrderTheyArePainted) {
    AddTopItems({"&File", "&Help"});
    Add("Info", htOptions);
    Add("Trim", htCalibration);
    Add("Range", htSettings);
    FirstPaint();
    EXPECT_EQ(TopCaptions(),
              (std::vector<String>{"&File", "&Settings", "&Calibration", "&Options", "&Help"}));
    EXPECT_EQ(Menu->Items()->Items(1)->Name(), "Settings1");
    EXPECT_EQ(Menu->Items()->Items(2)->Name(), "Calibration1");
    EXPECT_EQ(Menu->Items()->Items(3)->Name(), "Options1");
}

TEST_F(HighlightMenuTest, WithoutHelpTheKindMenusAreAppendedInKindOrder) {
    AddTopItems({"&File"});
    Add("Info", htOptions);
    Add("Range", htSettings);
    Add("Trim", htCalibration);
    FirstPaint();
    EXPECT_EQ(TopCaptions(),
              (std::vector<String>{"&File", "&Settings", "&Calibration", "&Options"}));
}

TEST_F(HighlightMenuTest, OneEntryPerGroupNamedFromTheStem) {
    AddTopItems({"&File", "&Help"});
    TBoardHighlight* range2 = Add("Output &Range");
    Add("Output &Range");
    Add("&High Level");
    FirstPaint();
    TMenuItem* settings = Menu->Items()->Items(1);
    ASSERT_EQ(settings->Count(), 2);
    EXPECT_EQ(settings->Items(0)->Caption(), "Output &Range");
    EXPECT_EQ(settings->Items(0)->Name(), "OutputRange1");
    EXPECT_EQ(settings->Items(1)->Caption(), "&High Level");
    EXPECT_EQ(settings->Items(1)->Name(), "HighLevel1");
    EXPECT_EQ(EntryOf(range2), settings->Items(0));
}

TEST_F(HighlightMenuTest, EmptyTitleMakesTheKindMenuButNoEntry) {
    AddTopItems({"&File", "&Help"});
    Add("", htCalibration);
    FirstPaint();
    ASSERT_EQ(TopCaptions(), (std::vector<String>{"&File", "&Calibration", "&Help"}));
    EXPECT_EQ(Menu->Items()->Items(1)->Count(), 0);
}

TEST_F(HighlightMenuTest, NamesTakenInAnotherLetterCaseGetTheNextNumber) {
    AddTopItems({"&File", "&Help"});
    auto* taken = new TComponent(Form.get());
    taken->SetName("settings1");
    auto* takenEntry = new TComponent(Form.get());
    takenEntry->SetName("OUTPUTRANGE1");
    Add("Output &Range");
    FirstPaint();
    EXPECT_EQ(Menu->Items()->Items(1)->Name(), "Settings2");
    EXPECT_EQ(Menu->Items()->Items(1)->Items(0)->Name(), "OutputRange2");
}

TEST_F(HighlightMenuTest, ChoosingTheEntryPinsAndChoosingItCheckedCloses) {
    AddTopItems({"&File", "&Help"});
    TBoardHighlight* range = Add("Output &Range");
    FirstPaint();
    TMenuItem* entry = EntryOf(range);
    ASSERT_NE(entry, nullptr);
    entry->Click();
    ASSERT_NE(range->Popup(), nullptr);
    EXPECT_TRUE(range->Popup()->Visible());
    EXPECT_TRUE(range->Pinned());
    EXPECT_TRUE(entry->Checked());
    entry->Click();
    EXPECT_FALSE(range->Popup()->Visible());
    EXPECT_FALSE(entry->Checked());
    entry->Click();
    EXPECT_TRUE(range->Popup()->Visible());
    EXPECT_TRUE(entry->Checked());
}

TEST_F(HighlightMenuTest, ChoosingTheEntryOfAnOpenUnpinnedPopupPinsIt) {
    AddTopItems({"&File", "&Help"});
    TBoardHighlight* range = Add("Output &Range");
    FirstPaint();
    range->Perform(CM_MOUSEENTER, 0, 0);
    ASSERT_TRUE(range->Popup()->Visible());
    ASSERT_FALSE(range->Pinned());
    EntryOf(range)->Click();
    EXPECT_TRUE(range->Pinned());
    EXPECT_TRUE(EntryOf(range)->Checked());
}

TEST_F(HighlightMenuTest, PreviousAndNextWalkTheEntriesAndWrapAround) {
    AddTopItems({"&File", "&Help"});
    TBoardHighlight* first = Add("&First");
    TBoardHighlight* second = Add("&Second");
    TBoardHighlight* third = Add("&Third");
    FirstPaint();
    EntryOf(first)->Click();
    first->NextClick(nullptr);
    EXPECT_FALSE(first->Popup()->Visible());
    ASSERT_NE(second->Popup(), nullptr);
    EXPECT_TRUE(second->Popup()->Visible());
    EXPECT_TRUE(second->Pinned());
    EXPECT_TRUE(EntryOf(second)->Checked());
    EXPECT_FALSE(EntryOf(first)->Checked());
    second->PreviousClick(nullptr);
    EXPECT_TRUE(first->Popup()->Visible());
    first->PreviousClick(nullptr); // wraps to the last entry
    ASSERT_NE(third->Popup(), nullptr);
    EXPECT_TRUE(third->Popup()->Visible());
    third->NextClick(nullptr); // and back to the first
    EXPECT_TRUE(first->Popup()->Visible());
    EXPECT_FALSE(third->Popup()->Visible());
}

TEST_F(HighlightMenuTest, WithASingleEntryNextReopensTheSamePopupPinned) {
    AddTopItems({"&File", "&Help"});
    TBoardHighlight* only = Add("&Only");
    FirstPaint();
    EntryOf(only)->Click();
    TPopupForm* popup = only->Popup();
    popup->SetLeft(popup->Left() + 7); // the user moved it
    int left = popup->Left();
    only->NextClick(nullptr);
    EXPECT_EQ(only->Popup(), popup);
    EXPECT_TRUE(popup->Visible());
    EXPECT_TRUE(only->Pinned());
    EXPECT_EQ(popup->Left(), left);
    EXPECT_TRUE(EntryOf(only)->Checked());
}

} // namespace
