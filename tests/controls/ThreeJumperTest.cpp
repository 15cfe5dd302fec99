#include "ThreeJumper.h"
#include "Application.h"
#include "Bitmap.h"
#include "Colors.h"
#include "CustomPanel.h"
#include "Form.h"
#include "FormBindings.h"
#include "FormReader.h"
#include "RadioPanel.h"
#include "SetupCtrls.h"
#include "TestSupport.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

// A class derived from the option panel is not the option panel.
class TDerivedRadioPanel : public TRadioPanel {
public:
    using TRadioPanel::TRadioPanel;
    String ClassName() const override { return "TDerivedRadioPanel"; }
};

// A jumper that counts its requests for a repaint.
class TCountingJumper : public TThreeJumper {
public:
    using TThreeJumper::TThreeJumper;
    int Invalidations = 0;
    void Invalidate() override {
        ++Invalidations;
        TThreeJumper::Invalidate();
    }
};

constexpr TPoint Origin{10, 20};
constexpr TColor PanelColor = 0x00563412;

struct TLook {
    TColor Background, Base, Outline, Pin, Cap;
};

const TLook StandardLook{PanelColor, clGray, clBlack, clYellow, clMaroon};

bool OnOutline(const TRect& r, int x, int y) {
    return x == r.Left || x == r.Right - 1 || y == r.Top || y == r.Bottom - 1;
}

// The upright HighLevelJumper picture, 43 x 18: pins in the boxes (7, 6, 13,
// 12), (18, 6, 24, 12) and (30, 6, 36, 12), round so that each box loses its
// corner pixels; the cap (0, 0, 27, 18) on the left pair or (15, 0, 43, 18)
// on the right pair; the base (1, 1, 42, 17) with corners rounded by a 9 x 9
// ellipse, so that its rows 1 and 16 run from x 3 to 39 and rows 2 and 15
// from x 2 to 40.
TColor HighLevelJumperPixel(TJumperState state, const TLook& look, int x, int y) {
    for (int left : {7, 18, 30}) {
        TRect pin = Rect(left, 6, left + 6, 12);
        bool corner =
            (x == pin.Left || x == pin.Right - 1) && (y == pin.Top || y == pin.Bottom - 1);
        if (pin.Contains({x, y}) && !corner)
            return look.Pin;
    }
    if (state != jsOpen) {
        TRect cap = state == jsLeft ? Rect(0, 0, 27, 18) : Rect(15, 0, 43, 18);
        if (cap.Contains({x, y}))
            return OnOutline(cap, x, y) ? clBlack : look.Cap;
    }
    int inset = y == 1 || y == 16 ? 2 : y == 2 || y == 15 ? 1 : 0;
    if (y >= 1 && y <= 16 && x >= 1 + inset && x <= 41 - inset) {
        bool rim = y == 1 || y == 16 || x == 1 + inset || x == 41 - inset;
        return rim ? look.Outline : look.Base;
    }
    return look.Background;
}

class ThreeJumperTest : public testing::Test {
protected:
    void SetUp() override {
        Panel = std::make_unique<TRadioPanel>(nullptr);
        Panel->SetVisible(true); // as in its popup
        Panel->SetBevelOuter(bvNone);
        Panel->SetBounds(0, 0, 150, 120);
        Panel->SetColor(PanelColor);
        Jumper = new TCountingJumper(Panel.get());
        Jumper->SetParent(Panel.get());
        Jumper->SetBounds(Origin.X, Origin.Y, 43, 18);
    }

    void Paint() { Panel->PaintTo(Shown); }
    TColor ShownAt(int x, int y) const { return Shown.Pixel(Origin.X + x, Origin.Y + y); }

    void ExpectHighLevelJumperShown(TJumperState state, const TLook& look) {
        ASSERT_EQ(Jumper->Width(), 43);
        ASSERT_EQ(Jumper->Height(), 18);
        for (int y = 0; y < 18; ++y)
            for (int x = 0; x < 43; ++x)
                ASSERT_EQ(ShownAt(x, y), HighLevelJumperPixel(state, look, x, y))
                    << "state " << state << " at " << x << ", " << y;
    }

    std::unique_ptr<TRadioPanel> Panel;
    TCountingJumper* Jumper = nullptr;
    TBitmap Shown;
};

TEST_F(ThreeJumperTest, NewJumperIsOpenWithAGrayOutlinedBaseAndThreeYellowPins) {
    TThreeJumper jumper(nullptr);
    EXPECT_EQ(jumper.JumperState(), jsOpen);
    EXPECT_EQ(jumper.BaseColor(), clGray);
    EXPECT_EQ(jumper.PinColor(), clYellow);
    EXPECT_EQ(jumper.JumperColor(), clMaroon);
    EXPECT_EQ(jumper.Orientation(), otUp);
    EXPECT_EQ(jumper.BorderStyle(), bsSingle);
    EXPECT_TRUE(jumper.AllowOpen());
    EXPECT_EQ(jumper.Width(), 43);
    EXPECT_EQ(jumper.Height(), 18);
    EXPECT_FALSE(jumper.SwapPending());
    EXPECT_FALSE(jumper.PaintedOnce());

    Paint();
    ExpectHighLevelJumperShown(jsOpen, StandardLook);
}

TEST_F(ThreeJumperTest, HighLevelJumperWorkedExampleIsDrawnPixelForPixel) {
    for (TJumperState state : {jsLeft, jsRight, jsOpen}) {
        Jumper->SetJumperState(state);
        Paint();
        ExpectHighLevelJumperShown(state, StandardLook);
    }
}

TEST_F(ThreeJumperTest, ColoursAndBorderStyleShowInThePicture) {
    Jumper->SetBaseColor(clSilver);
    Jumper->SetPinColor(clLime);
    Jumper->SetJumperColor(clNavy);
    Jumper->SetJumperState(jsRight);
    Paint();
    ExpectHighLevelJumperShown(jsRight, {PanelColor, clSilver, clBlack, clLime, clNavy});

    // Without a border the base has no visible outline; the cap keeps its own.
    Jumper->SetBorderStyle(bsNone);
    Paint();
    ExpectHighLevelJumperShown(jsRight, {PanelColor, clSilver, clSilver, clLime, clNavy});
}

TEST_F(ThreeJumperTest, BackgroundIsTheColourOfAnOptionPanelOnlyAndOtherwiseButtonFace) {
    struct Case {
        const char* What;
        std::function<TCustomPanel*()> MakeParent;
        TColor Background;
    };
    const Case cases[] = {
        {"the option panel", [] { return new TRadioPanel(nullptr); }, PanelColor},
        {"a plain panel", [] { return new TCustomPanel(nullptr); }, ColorToRGB(clBtnFace)},
        {"a class derived from the option panel", [] { return new TDerivedRadioPanel(nullptr); },
         ColorToRGB(clBtnFace)},
    };
    ASSERT_NE(ColorToRGB(clBtnFace), PanelColor);
    for (const Case& c : cases) {
        std::unique_ptr<TCustomPanel> parent(c.MakeParent());
        parent->SetBounds(0, 0, 100, 50);
        parent->SetColor(PanelColor);
        auto* jumper = new TThreeJumper(parent.get());
        jumper->SetParent(parent.get());
        jumper->SetBounds(Origin.X, Origin.Y, 43, 18);
        TBitmap shown;
        parent->PaintTo(shown);
        for (TPoint corner : {TPoint{0, 0}, TPoint{42, 0}, TPoint{0, 17}, TPoint{42, 17}})
            EXPECT_EQ(shown.Pixel(Origin.X + corner.X, Origin.Y + corner.Y), c.Background)
                << c.What << " at " << corner.X << ", " << corner.Y;
    }
}

TEST_F(ThreeJumperTest, PinRadiusRoundsHalvesToTheEvenNeighbour) {
    struct Case {
        int Height;
        int PinTop, PinBottom; // rows of the middle pin, bottom excluded
    };
    const Case cases[] = {
        {12, 4, 8},  // radius round(2.5) = 2 around row 6
        {16, 4, 12}, // radius round(3.5) = 4 around row 8
        {18, 6, 12}, // radius 9 div 3 = 3 on the 43-wide jumper
    };
    for (const Case& c : cases) {
        int width = c.Height == 18 ? 43 : 80;
        Jumper->SetBounds(Origin.X, Origin.Y, width, c.Height);
        Paint();
        int middle = width / 2;
        for (int y = 0; y < c.Height; ++y)
            EXPECT_EQ(ShownAt(middle, y) == clYellow, y >= c.PinTop && y < c.PinBottom)
                << "height " << c.Height << " row " << y;
    }
}

TEST_F(ThreeJumperTest, StateRulesAndRepaintsOnlyOnAChange) {
    struct Case {
        const char* What;
        TJumperState Start;
        bool StartAllowOpen;
        std::function<void(TThreeJumper&)> Change;
        TJumperState State;
        bool AllowOpen;
        bool Repaints;
    };
    auto state = [](TJumperState s) { return [s](TThreeJumper& j) { j.SetJumperState(s); }; };
    auto allowOpen = [](bool a) { return [a](TThreeJumper& j) { j.SetAllowOpen(a); }; };
    const Case cases[] = {
        {"open while allowed", jsRight, true, state(jsOpen), jsOpen, true, true},
        {"open refused", jsRight, false, state(jsOpen), jsRight, false, false},
        {"the state it already has", jsLeft, true, state(jsLeft), jsLeft, true, false},
        {"forbidding open moves an open cap left", jsOpen, true, allowOpen(false), jsLeft, false,
         true},
        {"forbidding open leaves a cap on the right", jsRight, true, allowOpen(false), jsRight,
         false, true},
        {"allowing open again keeps the cap", jsLeft, false, allowOpen(true), jsLeft, true, true},
        {"an unknown border style is ignored", jsOpen, true,
         [](TThreeJumper& j) { j.SetBorderStyle(bsSizeable); }, jsOpen, true, false},
        {"the same border style", jsOpen, true, [](TThreeJumper& j) { j.SetBorderStyle(bsSingle); },
         jsOpen, true, false},
        {"the same base colour", jsOpen, true, [](TThreeJumper& j) { j.SetBaseColor(clGray); },
         jsOpen, true, false},
        {"a new pin colour", jsOpen, true, [](TThreeJumper& j) { j.SetPinColor(clRed); }, jsOpen,
         true, true},
    };
    for (const Case& c : cases) {
        TCountingJumper jumper(nullptr);
        jumper.SetJumperState(c.Start);
        jumper.SetAllowOpen(c.StartAllowOpen);
        ASSERT_EQ(jumper.JumperState(), c.Start) << c.What;
        jumper.Invalidations = 0;
        int clicks = 0;
        jumper.OnClick = [&](TObject*) { ++clicks; };
        c.Change(jumper);
        EXPECT_EQ(jumper.JumperState(), c.State) << c.What;
        EXPECT_EQ(jumper.AllowOpen(), c.AllowOpen) << c.What;
        EXPECT_EQ(jumper.Invalidations > 0, c.Repaints) << c.What;
        EXPECT_EQ(clicks, 0) << c.What;
    }
}

TEST_F(ThreeJumperTest, ClickMovesTheCapThenRunsOnClickOnce) {
    struct Case {
        bool AllowOpen;
        TJumperState Start;
        std::vector<TJumperState> AfterEachClick;
    };
    const Case cases[] = {
        {true, jsOpen, {jsLeft, jsRight, jsOpen}},
        {false, jsRight, {jsLeft, jsRight, jsLeft}},
    };
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 250);
    Panel->SetParent(&form);
    ShowAndWait(&form);
    std::vector<TJumperState> seenByHandler;
    Jumper->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, Jumper);
        seenByHandler.push_back(Jumper->JumperState());
    };
    QWidget* widget = WidgetAt(Jumper, {21, 9});
    ASSERT_NE(widget, nullptr);
    TPoint at = PointIn(widget, Jumper, {21, 9});

    for (const Case& c : cases) {
        Jumper->SetAllowOpen(c.AllowOpen);
        Jumper->SetJumperState(c.Start);
        ASSERT_EQ(Jumper->JumperState(), c.Start);
        seenByHandler.clear();
        for (TJumperState expected : c.AfterEachClick) {
            QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(at.X, at.Y));
            Application->ProcessMessages();
            EXPECT_EQ(Jumper->JumperState(), expected) << "allow open " << c.AllowOpen;
        }
        EXPECT_EQ(seenByHandler, c.AfterEachClick) << "allow open " << c.AllowOpen;
    }

    // The picture on the screen follows the click.
    Jumper->SetJumperState(jsRight);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(at.X, at.Y));
    Application->ProcessMessages();
    Paint();
    ExpectHighLevelJumperShown(jsLeft, StandardLook);

    seenByHandler.clear();
    Jumper->SetJumperState(jsRight);
    EXPECT_TRUE(seenByHandler.empty()) << "setting the state from code runs no OnClick";
}

TEST_F(ThreeJumperTest, OrientationTurnsTheCapWithThePins) {
    struct Case {
        TOrientationType Orientation;
        int Width, Height;
        TPoint LeftEnd, RightEnd; // where upright (2, 9) and (40, 9) land
    };
    const Case cases[] = {
        {otUp, 43, 18, {2, 9}, {40, 9}},
        {otDown, 43, 18, {40, 8}, {2, 8}},  // the left pair on the right
        {otLeft, 18, 43, {9, 40}, {9, 2}},  // the left pair at the bottom
        {otRight, 18, 43, {8, 2}, {8, 40}}, // the left pair at the top
    };
    Jumper->SetJumperState(jsLeft);
    Paint();
    for (const Case& c : cases) {
        Jumper->SetOrientation(c.Orientation);
        Paint();
        Paint();
        ASSERT_EQ(Jumper->Width(), c.Width) << c.Orientation;
        ASSERT_EQ(Jumper->Height(), c.Height) << c.Orientation;
        EXPECT_EQ(ShownAt(c.LeftEnd.X, c.LeftEnd.Y), clMaroon) << c.Orientation;
        EXPECT_EQ(ShownAt(c.RightEnd.X, c.RightEnd.Y), clGray) << c.Orientation;
    }
}

TEST_F(ThreeJumperTest, StoredDescriptionSetsEveryProperty) {
    RegisterSetupControls();
    TForm form(nullptr);
    TFormBindings noBindings;
    TFormReader(form, noBindings, "jumper.dfm")
        .Read("object Form1: TForm\n"
              "  object HighLevelJumper: TThreeJumper\n"
              "    Left = 168\n"
              "    Top = 16\n"
              "    Width = 43\n"
              "    Height = 18\n"
              "    JumperState = jsOpen\n"
              "    BaseColor = clSilver\n"
              "    PinColor = clAqua\n"
              "    JumperColor = clNavy\n"
              "    Orientation = otRight\n"
              "    BorderStyle = bsNone\n"
              "    AllowOpen = False\n"
              "  end\n"
              "end\n");
    auto* jumper = dynamic_cast<TThreeJumper*>(form.FindComponent("HighLevelJumper"));
    ASSERT_NE(jumper, nullptr);
    EXPECT_EQ(jumper->JumperState(), jsLeft);
    EXPECT_EQ(jumper->BaseColor(), clSilver);
    EXPECT_EQ(jumper->PinColor(), clAqua);
    EXPECT_EQ(jumper->JumperColor(), clNavy);
    EXPECT_EQ(jumper->Orientation(), otRight);
    EXPECT_EQ(jumper->BorderStyle(), bsNone);
    EXPECT_FALSE(jumper->AllowOpen());
    EXPECT_EQ(jumper->BoundsRect(), Bounds(168, 16, 43, 18));
}

} // namespace
