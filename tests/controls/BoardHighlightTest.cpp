#include "BoardHighlight.h"
#include "BoardImage.h"
#include "Form.h"
#include "RadioPanel.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

void FillGrey(TBitmap& image, int width, int height) {
    image.SetSize(width, height);
    image.Canvas().Brush().SetColor(RGB(100, 100, 100));
    image.Canvas().FillRect({0, 0, width, height});
}

struct TRgbValue {
    int R, G, B;
};

TColor ToColor(TRgbValue c) {
    return RGB(c.R, c.G, c.B);
}

TEST(DrawRingTest, SettingsRingOverGreyAlongTheMiddleRow) {
    struct Case {
        int X;
        TRgbValue Idle, Lit, Hot;
    };
    const Case cases[] = {
        {0, {100, 100, 100}, {100, 100, 100}, {100, 100, 100}}, // d2 = 1: untouched
        {4, {178, 178, 50}, {216, 216, 25}, {255, 255, 255}},   // radius 0.875
        {2, {139, 139, 75}, {158, 158, 62}, {255, 255, 0}},     // radius 0.9375
        {6, {139, 139, 75}, {158, 158, 62}, {255, 255, 0}},     // radius 0.8125
        {7, {119, 119, 88}, {129, 129, 81}, {178, 178, 50}},    // radius 0.78125
        {8, {112, 112, 92}, {119, 119, 88}, {125, 125, 84}},    // inner disc
        {32, {112, 112, 92}, {119, 119, 88}, {125, 125, 84}},   // centre
    };
    TBitmap idle, lit, hot;
    for (TBitmap* image : {&idle, &lit, &hot})
        FillGrey(*image, 65, 65);
    TBoardHighlight::DrawRing(idle, 0.5f, clYellow, false);
    TBoardHighlight::DrawRing(lit, 0.75f, clYellow, false);
    TBoardHighlight::DrawRing(hot, 1.0f, clYellow, true);
    for (const Case& c : cases) {
        EXPECT_EQ(idle.Pixel(c.X, 32), ToColor(c.Idle)) << "idle x " << c.X;
        EXPECT_EQ(lit.Pixel(c.X, 32), ToColor(c.Lit)) << "lit x " << c.X;
        EXPECT_EQ(hot.Pixel(c.X, 32), ToColor(c.Hot)) << "hot x " << c.X;
    }
}

TEST(DrawRingTest, OptionsRingIsBlueWithItsOwnWeights) {
    TBoardHighlight options(nullptr);
    options.SetHighlightType(htOptions);
    TBitmap idle, lit;
    FillGrey(idle, 65, 65);
    FillGrey(lit, 65, 65);
    TBoardHighlight::DrawRing(idle, options.IdleWeight(), options.HighlightColor(), false);
    TBoardHighlight::DrawRing(lit, options.LitWeight(), options.HighlightColor(), false);
    EXPECT_EQ(idle.Pixel(32, 32), RGB(96, 96, 106));
    EXPECT_EQ(lit.Pixel(4, 32), RGB(50, 50, 178));
}

TEST(DrawRingTest, TallEllipseTouchesTheSidesAndLeavesTheCorners) {
    TBitmap image;
    FillGrey(image, 48, 144);
    TBoardHighlight::DrawRing(image, 0.5f, clYellow, false);
    const TColor grey = RGB(100, 100, 100);
    for (int y = 0; y < 144; ++y) {
        EXPECT_EQ(image.Pixel(0, y), grey) << "left edge, row " << y;
        EXPECT_EQ(image.Pixel(47, y), grey) << "right edge, row " << y;
    }
    for (int x = 0; x < 48; ++x) {
        EXPECT_EQ(image.Pixel(x, 0), grey) << "top edge, column " << x;
        EXPECT_EQ(image.Pixel(x, 143), grey) << "bottom edge, column " << x;
    }
    EXPECT_NE(image.Pixel(1, 71), grey); // next to the middle of each side
    EXPECT_NE(image.Pixel(46, 72), grey);
    EXPECT_NE(image.Pixel(23, 1), grey);
    EXPECT_NE(image.Pixel(24, 142), grey);
    for (TPoint corner : {TPoint{1, 1}, TPoint{46, 1}, TPoint{1, 142}, TPoint{46, 142}})
        EXPECT_EQ(image.Pixel(corner.X, corner.Y), grey);
}

TEST(DrawRingTest, ImagesTooSmallForAnEllipseKeepTheirBackground) {
    for (auto [width, height] : {std::pair{1, 65}, std::pair{65, 1}, std::pair{1, 1}}) {
        TBitmap image;
        FillGrey(image, width, height);
        TBoardHighlight::DrawRing(image, 1.0f, clYellow, true);
        EXPECT_EQ(image.Pixel(0, 0), RGB(100, 100, 100)) << width << " x " << height;
    }
    TBitmap empty;
    TBoardHighlight::DrawRing(empty, 1.0f, clYellow, true); // nothing to draw on
    EXPECT_EQ(empty.Width(), 0);
}

TEST(BoardHighlightTitleTest, DisplayTitleAndNameStem) {
    struct Case {
        const char* Title;
        const char* Display;
        const char* Stem;
    };
    const Case cases[] = {
        {"Output &Range", "Output Range", "OutputRange"},
        {"&High Level", "High Level", "HighLevel"},
        {"", "", ""},
        {"Valid_Name1", "Valid_Name1", "Valid_Name1"},
        {"12 &Bits!", "12 Bits!", "Bits"},
        {"&&", "", ""},
        {"_x-y", "_x-y", "_xy"},
    };
    for (const Case& c : cases) {
        TBoardHighlight highlight(nullptr);
        highlight.SetTitle(c.Title);
        EXPECT_EQ(highlight.DisplayTitle(), c.Display) << c.Title;
        EXPECT_EQ(highlight.NameStem(), c.Stem) << c.Title;
    }
}

TEST(BoardHighlightKindTest, KindSetsColourAndWeights) {
    struct Case {
        THighlightType Type;
        TColor Color;
        float Idle, Lit, Hot;
    };
    const Case cases[] = {
        {htOptions, clBlue, 0.25f, 0.5f, 1.0f},
        {htCalibration, clRed, 0.5f, 0.75f, 1.0f},
        {htSettings, clYellow, 0.5f, 0.75f, 1.0f},
    };
    TBoardHighlight highlight(nullptr);
    EXPECT_EQ(highlight.HighlightType(), htSettings);
    EXPECT_EQ(highlight.HighlightColor(), clYellow);
    EXPECT_EQ(highlight.Width(), 65);
    EXPECT_EQ(highlight.Height(), 65);
    EXPECT_TRUE(highlight.CreatePopup());
    for (const Case& c : cases) {
        highlight.SetHighlightType(c.Type);
        EXPECT_EQ(highlight.HighlightColor(), c.Color);
        EXPECT_EQ(highlight.IdleWeight(), c.Idle);
        EXPECT_EQ(highlight.LitWeight(), c.Lit);
        EXPECT_EQ(highlight.HotWeight(), c.Hot);
    }
}

// A board image with highlights that open no popups, for the pointer and
// linking rules on their own.
class LinkedHighlightsTest : public testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 700, 400);
        Board = new TBoardImage(Form.get());
        Board->SetParent(Form.get());
        Board->SetAutoSize(false);
        Board->SetBounds(0, 0, 600, 274);
    }

    TBoardHighlight* Add(const String& name, const String& title,
                         THighlightType type = htSettings) {
        auto* highlight = new TBoardHighlight(Form.get());
        highlight->SetName(name);
        highlight->SetParent(Board);
        highlight->SetTitle(title);
        highlight->SetHighlightType(type);
        highlight->SetCreatePopup(false);
        return highlight;
    }

    std::vector<String> LitNames() const {
        std::vector<String> names;
        for (int i = 0; i < Board->ControlCount(); ++i) {
            auto* highlight = static_cast<TBoardHighlight*>(Board->Controls(i));
            if (highlight->Lit())
                names.push_back(highlight->Name());
        }
        return names;
    }

    std::vector<String> Order() const {
        std::vector<String> names;
        for (int i = 0; i < Board->ControlCount(); ++i)
            names.push_back(Board->Controls(i)->Name());
        return names;
    }

    std::unique_ptr<TForm> Form;
    TBoardImage* Board = nullptr;
};

TEST_F(LinkedHighlightsTest, EnteringLightsExactlyTheHighlightsOfTheSameTitleAndKind) {
    TBoardHighlight* a = Add("A", "Output &Range");
    Add("Case", "Output &range");
    Add("B", "Output &Range");
    Add("Amp", "Outp&ut Range");
    Add("Kind", "Output &Range", htOptions);
    a->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(LitNames(), (std::vector<String>{"A", "B"}));
    // A circle that opens no popup goes back to idle when the pointer leaves.
    a->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(LitNames().empty());
}

TEST_F(LinkedHighlightsTest, RelayedNoticesAreNotRelayedAgain) {
    TBoardHighlight* a = Add("A", "Output &Range");
    TBoardHighlight* b = Add("B", "Output &Range");
    b->Perform(CM_MOUSEENTER, 1, 0);
    EXPECT_EQ(LitNames(), (std::vector<String>{"B"}));
    a->Perform(CM_MOUSEENTER, 0, 0); // lights A, relays to B, already lit
    EXPECT_EQ(LitNames(), (std::vector<String>{"A", "B"}));
    b->Perform(CM_MOUSELEAVE, 1, 0);
    EXPECT_EQ(LitNames(), (std::vector<String>{"A"}));
}

TEST_F(LinkedHighlightsTest, EnterAndLeaveAreNotPassedToTheBoard) {
    struct TListeningBoard : TBoardImage {
        using TBoardImage::TBoardImage;
        int Notices = 0;
        void WndProc(TMessage& m) override {
            if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE)
                ++Notices;
            TBoardImage::WndProc(m);
        }
    };
    auto* board = new TListeningBoard(Form.get());
    board->SetParent(Form.get());
    auto* highlight = new TBoardHighlight(Form.get());
    highlight->SetParent(board);
    highlight->SetCreatePopup(false);
    highlight->Perform(CM_MOUSEENTER, 0, 0);
    highlight->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(board->Notices, 0);
}

TEST_F(LinkedHighlightsTest, SetPopupActiveBringsEachLinkedHighlightToTheFrontOnce) {
    TBoardHighlight* a = Add("A", "Output &Range");
    Add("X", "Other");
    Add("B", "Output &Range");
    Add("Y", "Other");
    Add("C", "Output &Range");
    a->SetPopupActive(true, true);
    EXPECT_EQ(Order(), (std::vector<String>{"X", "Y", "A", "B", "C"}));
    for (int i = 0; i < Board->ControlCount(); ++i) {
        auto* h = static_cast<TBoardHighlight*>(Board->Controls(i));
        EXPECT_EQ(h->PopupActive(), h->Title() == "Output &Range") << h->Name();
    }
}

TEST_F(LinkedHighlightsTest, APanelBelongsToOneOption) {
    TBoardHighlight* range1 = Add("Range1", "Output &Range");
    TBoardHighlight* range2 = Add("Range2", "Output &Range");
    TBoardHighlight* level = Add("Level", "&High Level");
    TRadioPanel rangePanel(nullptr), levelPanel(nullptr);
    range1->SetRadioPanel(&rangePanel);
    range2->SetRadioPanel(&rangePanel); // linked: shared
    level->SetRadioPanel(&levelPanel);
    EXPECT_EQ(range2->RadioPanel(), &rangePanel);
    range1->SetRadioPanel(&levelPanel); // another option's panel: refused
    EXPECT_EQ(range1->RadioPanel(), &rangePanel);
    level->SetRadioPanel(nullptr);
    EXPECT_EQ(level->RadioPanel(), nullptr);
    range1->SetRadioPanel(&levelPanel); // free again
    EXPECT_EQ(range1->RadioPanel(), &levelPanel);
}

} // namespace
