#include "DipSwitch.h"
#include "Application.h"
#include "Bitmap.h"
#include "CustomPanel.h"
#include "Form.h"
#include "FormBindings.h"
#include "FormReader.h"
#include "SetupCtrls.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

// A switch that counts its requests for a repaint.
class TCountingDipSwitch : public TDipSwitch {
public:
    using TDipSwitch::TDipSwitch;
    int Invalidations = 0;
    void Invalidate() override {
        ++Invalidations;
        TDipSwitch::Invalidate();
    }
};

constexpr TPoint Origin{10, 20};

// Where the "ON" mark is written; its pixels depend on the installed font.
const TRect LabelArea = Rect(0, 0, 30, 13);

// The upright RangeDips picture (69 x 43, four levers) outside the "ON" mark:
// a black body, gray slots at x 4, 20, 36 and 52, 13 wide, from y 13 to 40,
// and white levers over y 13..23 at ON or 29..39 at the far end, every slot
// and lever outlined in black.
TColor RangeDipsPixel(const String& levers, int x, int y) {
    const int slotLefts[] = {4, 20, 36, 52};
    for (int k = 0; k < 4; ++k) {
        TRect slot = Rect(slotLefts[k], 13, slotLefts[k] + 13, 40);
        if (!slot.Contains({x, y}))
            continue;
        TRect lever = levers[k] == '1' ? Rect(slot.Left, 13, slot.Right, 24)
                                       : Rect(slot.Left, 29, slot.Right, 40);
        bool onLever = lever.Contains({x, y});
        TRect shape = onLever ? lever : slot;
        bool outline =
            x == shape.Left || x == shape.Right - 1 || y == shape.Top || y == shape.Bottom - 1;
        if (outline)
            return clBlack;
        return onLever ? clWhite : clGray;
    }
    return clBlack;
}

class DipSwitchTest : public testing::Test {
protected:
    void SetUp() override {
        Panel = std::make_unique<TCustomPanel>(nullptr);
        Panel->SetBevelOuter(bvNone);
        Panel->SetBounds(0, 0, 150, 120);
        Dips = MakeSwitch(69, 43);
    }

    TCountingDipSwitch* MakeSwitch(int width, int height) {
        auto* dips = new TCountingDipSwitch(Panel.get());
        dips->SetParent(Panel.get());
        dips->SetBounds(Origin.X, Origin.Y, width, height);
        return dips;
    }

    // Paints the panel with the switch as the screen shows it.
    void Paint() { Panel->PaintTo(Shown); }
    // A pixel of the switch as last painted, in the switch's coordinates.
    TColor ShownAt(int x, int y) const { return Shown.Pixel(Origin.X + x, Origin.Y + y); }

    // The worked example of the output-range switch.
    void MakeRangeDips(const String& levers) {
        Dips->SetNumSwitches(4);
        Dips->SetBinaryValueStr(levers);
    }

    void ExpectRangeDipsShown(const String& levers) {
        ASSERT_EQ(Dips->Width(), 69);
        ASSERT_EQ(Dips->Height(), 43);
        for (int y = 0; y < 43; ++y)
            for (int x = 0; x < 69; ++x)
                if (!LabelArea.Contains({x, y})) {
                    ASSERT_EQ(ShownAt(x, y), RangeDipsPixel(levers, x, y)) << x << ", " << y;
                }
        bool labelWritten = false;
        for (int y = LabelArea.Top; y < LabelArea.Bottom; ++y)
            for (int x = LabelArea.Left; x < LabelArea.Right; ++x)
                labelWritten = labelWritten || ShownAt(x, y) == clWhite;
        EXPECT_TRUE(labelWritten) << "the \"ON\" mark is written in white";
    }

    std::unique_ptr<TCustomPanel> Panel;
    TCountingDipSwitch* Dips = nullptr;
    TBitmap Shown;
};

TEST_F(DipSwitchTest, NewSwitchHasThreeLeversAllAtTheFarEnd) {
    TDipSwitch dips(nullptr);
    EXPECT_EQ(dips.NumSwitches(), 3);
    EXPECT_EQ(dips.BinaryValueStr(), "000");
    EXPECT_EQ(dips.Value(), 0u);
    EXPECT_EQ(dips.SwitchColor(), clWhite);
    EXPECT_EQ(dips.Orientation(), otUp);
    EXPECT_EQ(dips.Width(), 53);
    EXPECT_EQ(dips.Height(), 43);
    EXPECT_FALSE(dips.SwapPending());
    EXPECT_FALSE(dips.PaintedOnce());

    // 53 x 43: levers 12 wide at x 5, 21 and 37, 11 long.
    Dips->SetBounds(Origin.X, Origin.Y, 53, 43);
    Paint();
    for (int left : {5, 21, 37}) {
        EXPECT_EQ(ShownAt(left + 6, 34), clWhite) << "lever at " << left;
        EXPECT_EQ(ShownAt(left + 6, 18), clGray) << "slot at " << left;
        EXPECT_EQ(ShownAt(left, 34), clBlack) << "outline at " << left;
        EXPECT_EQ(ShownAt(left + 11, 34), clBlack) << "outline at " << left;
        EXPECT_EQ(ShownAt(left + 12, 34), clBlack) << "body right of " << left;
    }
}

TEST_F(DipSwitchTest, RangeDipsWorkedExampleIsDrawnPixelForPixel) {
    MakeRangeDips("0110");
    EXPECT_EQ(Dips->Value(), 6u);
    Paint();
    ExpectRangeDipsShown("0110");

    for (const char* levers : {"1010", "0001", "0000", "1111"}) {
        Dips->SetBinaryValueStr(levers);
        Paint();
        ExpectRangeDipsShown(levers);
    }
}

TEST_F(DipSwitchTest, SettersKeepTextAndNumberInStepAndRepaintOnlyOnAChange) {
    struct Case {
        const char* What;
        std::function<void(TDipSwitch&)> Change;
        String Levers;
        std::uint32_t Value;
        bool Repaints;
    };
    auto text = [](String s) { return [s](TDipSwitch& d) { d.SetBinaryValueStr(s); }; };
    auto value = [](std::uint32_t v) { return [v](TDipSwitch& d) { d.SetValue(v); }; };
    auto count = [](int n) { return [n](TDipSwitch& d) { d.SetNumSwitches(n); }; };
    // Each case starts from four levers "1001", Value 9.
    const Case cases[] = {
        {"pattern", text("0110"), "0110", 6, true},
        {"other characters are dropped, then padded", text("1-1"), "0011", 3, true},
        {"a longer text keeps its last characters", text("110101"), "0101", 5, true},
        {"the empty text is ignored", text(""), "1001", 9, false},
        {"a text without 0 or 1 is ignored", text("2a b"), "1001", 9, false},
        {"the value it already holds", text("1001"), "1001", 9, false},
        {"a longer text that comes to the same value", text("01001"), "1001", 9, false},
        {"bits above the levers are dropped", value(19), "0011", 3, true},
        {"value", value(6), "0110", 6, true},
        {"the same value", value(9), "1001", 9, false},
        {"fewer levers keep the last ones", count(2), "01", 1, true},
        {"more levers are added in front at 0", count(6), "001001", 9, true},
        {"the same number of levers", count(4), "1001", 9, false},
        {"lever colour", [](TDipSwitch& d) { d.SetSwitchColor(clRed); }, "1001", 9, true},
        {"the same lever colour", [](TDipSwitch& d) { d.SetSwitchColor(clWhite); }, "1001", 9,
         false},
        {"the same orientation", [](TDipSwitch& d) { d.SetOrientation(otUp); }, "1001", 9, false},
    };
    for (const Case& c : cases) {
        TCountingDipSwitch dips(nullptr);
        dips.SetNumSwitches(4);
        dips.SetBinaryValueStr("1001");
        dips.Invalidations = 0;
        c.Change(dips);
        EXPECT_EQ(dips.BinaryValueStr(), c.Levers) << c.What;
        EXPECT_EQ(dips.Value(), c.Value) << c.What;
        EXPECT_EQ(dips.Invalidations > 0, c.Repaints) << c.What;
    }
}

TEST_F(DipSwitchTest, FewerLeversThenMoreKeepsTheLastLevers) {
    MakeRangeDips("0110");
    Dips->SetNumSwitches(2);
    EXPECT_EQ(Dips->BinaryValueStr(), "10");
    EXPECT_EQ(Dips->Value(), 2u);
    Dips->SetNumSwitches(4);
    EXPECT_EQ(Dips->BinaryValueStr(), "0010");
    EXPECT_EQ(Dips->Value(), 2u);
}

TEST_F(DipSwitchTest, SwitchWithoutLeversHoldsNothingAndDrawsABareBody) {
    MakeRangeDips("0110");
    Dips->SetNumSwitches(0);
    EXPECT_EQ(Dips->BinaryValueStr(), "");
    EXPECT_EQ(Dips->Value(), 0u);
    Dips->SetBinaryValueStr("101");
    Dips->SetValue(5);
    EXPECT_EQ(Dips->BinaryValueStr(), "");
    EXPECT_EQ(Dips->Value(), 0u);

    Paint();
    for (int y = 0; y < 43; ++y)
        for (int x = 0; x < 69; ++x)
            if (!LabelArea.Contains({x, y})) {
                ASSERT_EQ(ShownAt(x, y), clBlack) << x << ", " << y;
            }

    Dips->SetNumSwitches(3);
    EXPECT_EQ(Dips->BinaryValueStr(), "000");
    EXPECT_EQ(Dips->Value(), 0u);
}

TEST_F(DipSwitchTest, BeyondThirtyTwoLeversTheTextHoldsEveryLeverAndValueTheLast32) {
    // 126 wide: levers 3 wide without gaps, lever k at x 3k - 2.
    Dips->SetBounds(Origin.X, Origin.Y, 126, 43);
    Dips->SetNumSwitches(40);
    const String firstOn = "1" + String(39, '0');
    Dips->SetBinaryValueStr(firstOn);
    EXPECT_EQ(Dips->BinaryValueStr(), firstOn);
    EXPECT_EQ(Dips->Value(), 0u);
    Paint();
    EXPECT_EQ(ShownAt(2, 14), clWhite);  // lever 1 at ON
    EXPECT_EQ(ShownAt(119, 14), clGray); // lever 40 at the far end
    EXPECT_EQ(ShownAt(119, 34), clWhite);

    Dips->SetValue(0xFFFFFFFFu);
    EXPECT_EQ(Dips->BinaryValueStr(), String(8, '0') + String(32, '1'));
    EXPECT_EQ(Dips->Value(), 0xFFFFFFFFu);
    Paint();
    EXPECT_EQ(ShownAt(2, 34), clWhite);   // lever 1 back at the far end
    EXPECT_EQ(ShownAt(119, 14), clWhite); // lever 40 at ON

    Dips->SetNumSwitches(300);
    EXPECT_EQ(Dips->NumSwitches(), 255);
    Dips->SetNumSwitches(-1);
    EXPECT_EQ(Dips->NumSwitches(), 0);
}

// Pixel (x, y) of the upright picture, and where each orientation puts it.
TPoint Turned(TOrientationType orientation, int x, int y) {
    const int w = 69, h = 43;
    switch (orientation) {
    case otDown:
        return {w - 1 - x, h - 1 - y};
    case otLeft:
        return {y, w - 1 - x};
    case otRight:
        return {h - 1 - y, x};
    case otUp:
        break;
    }
    return {x, y};
}

TEST_F(DipSwitchTest, EachOrientationTurnsTheUprightPicturePixelByPixel) {
    MakeRangeDips("1100");
    Paint();
    TBitmap upright;
    upright.SetSize(69, 43);
    upright.Canvas().CopyRect(Rect(0, 0, 69, 43), Shown.Canvas(),
                              Bounds(Origin.X, Origin.Y, 69, 43));

    struct Case {
        TOrientationType Orientation;
        int Width, Height;
    };
    const Case cases[] = {{otDown, 69, 43}, {otLeft, 43, 69}, {otRight, 43, 69}, {otUp, 69, 43}};
    for (const Case& c : cases) {
        Dips->SetOrientation(c.Orientation);
        Paint(); // exchanges the size when the turn goes sideways or back
        Paint();
        ASSERT_EQ(Dips->Width(), c.Width) << c.Orientation;
        ASSERT_EQ(Dips->Height(), c.Height) << c.Orientation;
        for (int y = 0; y < 43; ++y)
            for (int x = 0; x < 69; ++x) {
                TPoint to = Turned(c.Orientation, x, y);
                ASSERT_EQ(ShownAt(to.X, to.Y), upright.Pixel(x, y))
                    << "orientation " << c.Orientation << " pixel " << x << ", " << y;
            }
    }
}

TEST_F(DipSwitchTest, TurnsBetweenUprightAndSidewaysExchangeTheSizeOnlyAfterAPaint) {
    struct Case {
        const char* What;
        bool PaintedBefore;
        std::vector<TOrientationType> Turns;
        int Width, Height;
    };
    const Case cases[] = {
        {"half a turn", true, {otDown}, 69, 43},
        {"a quarter turn anticlockwise", true, {otLeft}, 43, 69},
        {"a quarter turn clockwise", true, {otRight}, 43, 69},
        {"sideways, then the other way sideways", true, {otLeft, otRight}, 43, 69},
        {"sideways and back before a paint", true, {otLeft, otUp}, 69, 43},
        {"sideways, then upside down before a paint", true, {otLeft, otDown}, 69, 43},
        {"before the first paint", false, {otLeft}, 69, 43},
        {"sideways and back before the first paint", false, {otRight, otUp}, 69, 43},
    };
    for (const Case& c : cases) {
        TCountingDipSwitch* dips = MakeSwitch(69, 43);
        if (c.PaintedBefore)
            Paint();
        for (TOrientationType turn : c.Turns)
            dips->SetOrientation(turn);
        Paint();
        Paint();
        EXPECT_EQ(dips->Width(), c.Width) << c.What;
        EXPECT_EQ(dips->Height(), c.Height) << c.What;
        EXPECT_FALSE(dips->SwapPending()) << c.What;
        EXPECT_TRUE(dips->PaintedOnce()) << c.What;
        delete dips;
    }
}

TEST_F(DipSwitchTest, ShownSwitchTurnedSidewaysHasItsOnEndLeftAndLeverOneAtTheBottom) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 250);
    Panel->SetParent(&form);
    MakeRangeDips("1000");
    ShowAndWait(&form);
    ASSERT_TRUE(Dips->PaintedOnce());

    Dips->SetOrientation(otLeft);
    Application->ProcessMessages();
    Application->ProcessMessages();
    EXPECT_EQ(Dips->Width(), 43);
    EXPECT_EQ(Dips->Height(), 69);

    Paint();
    // Lever 1 lies over y 52..64, lever 4 over y 4..16; the ON end is x 13..23.
    EXPECT_EQ(ShownAt(18, 58), clWhite); // lever 1 at ON
    EXPECT_EQ(ShownAt(34, 58), clGray);
    EXPECT_EQ(ShownAt(34, 10), clWhite); // lever 4 at the far end
    EXPECT_EQ(ShownAt(18, 10), clGray);
    EXPECT_EQ(ShownAt(50, 10), Shown.Pixel(0, 0)) << "nothing left where the upright switch was";
}

TEST_F(DipSwitchTest, StoredDescriptionSetsTheLeversBeforeTheValue) {
    RegisterSetupControls();
    TForm form(nullptr);
    TFormBindings noBindings;
    TFormReader(form, noBindings, "dips.dfm")
        .Read("object Form1: TForm\n"
              "  object RangeDips: TDipSwitch\n"
              "    Left = 160\n"
              "    Top = 16\n"
              "    Width = 69\n"
              "    Height = 43\n"
              "    SwitchColor = clYellow\n"
              "    Orientation = otLeft\n"
              "    NumSwitches = 4\n"
              "    BinaryValueStr = '110110'\n"
              "  end\n"
              "end\n");
    auto* dips = dynamic_cast<TDipSwitch*>(form.FindComponent("RangeDips"));
    ASSERT_NE(dips, nullptr);
    EXPECT_EQ(dips->BinaryValueStr(), "0110");
    EXPECT_EQ(dips->Value(), 6u);
    EXPECT_EQ(dips->SwitchColor(), clYellow);
    EXPECT_EQ(dips->Orientation(), otLeft);

    // Stored sideways, it keeps the size it was given.
    TBitmap shown;
    form.PaintTo(shown);
    form.PaintTo(shown);
    EXPECT_EQ(dips->BoundsRect(), Bounds(160, 16, 69, 43));
    EXPECT_FALSE(dips->SwapPending());
}

} // namespace
