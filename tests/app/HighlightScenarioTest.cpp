#include "Application.h"
#include "Bitmap.h"
#include "BoardHighlight.h"
#include "BoardImage.h"
#include "Button.h"
#include "Memo.h"
#include "PopupForm.h"
#include "RadioPanel.h"
#include "Screen.h"
#include "SetupTypes.h"
#include "StatusBar.h"
#include "TestSupport.h"
#include "template.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// The real main window, shown, with the pointer driven as a person would.
class HighlightScenarioTest : public testing::Test {
protected:
    void SetUp() override {
        Application->CreateForm(MainForm);
        ShowAndWait(MainForm);
        Image = MainForm->BoardImage1;
        MovePointerTo(Image, Away);
    }
    void TearDown() override {
        delete MainForm;
        MainForm = nullptr;
    }

    static TPoint Centre(TControl* control) {
        return {control->Width() / 2, control->Height() / 2};
    }

    TPopupForm* RangePopup() const {
        TPopupForm* popup = MainForm->RangeHighlight1->Popup();
        return popup ? popup : MainForm->RangeHighlight2->Popup();
    }

    template <class T>
    T* PopupControl(TPopupForm* popup, const String& name) {
        return dynamic_cast<T*>(popup->FindComponent(name));
    }

    // True when the highlight shows the given look on screen.
    bool Shows(TBoardHighlight* highlight, const TBitmap& look) {
        TBitmap board;
        Image->PaintTo(board);
        for (int y = 0; y < highlight->Height(); ++y)
            for (int x = 0; x < highlight->Width(); ++x)
                if (board.Pixel(highlight->Left() + x, highlight->Top() + y) != look.Pixel(x, y))
                    return false;
        return true;
    }

    TBoardImage* Image = nullptr;
    // On the board between the circles, and above where the popups open.
    const TPoint Away{330, 60};
};

TEST_F(HighlightScenarioTest, EnteringEitherRangeCircleOpensOneSharedPopup) {
    for (TBoardHighlight* entered : {MainForm->RangeHighlight2, MainForm->RangeHighlight1}) {
        MovePointerTo(entered, Centre(entered));
        EXPECT_TRUE(MainForm->RangeHighlight1->Lit());
        EXPECT_TRUE(MainForm->RangeHighlight2->Lit());
        TPopupForm* popup = RangePopup();
        ASSERT_NE(popup, nullptr);
        EXPECT_TRUE(popup->Visible());
        MovePointerTo(Image, Away);
        EXPECT_FALSE(popup->Visible()) << "leaving towards the board closes it";
        EXPECT_FALSE(MainForm->RangeHighlight1->Lit());
        EXPECT_FALSE(MainForm->RangeHighlight2->Lit());
    }
    int popups = 0;
    for (int i = 0; i < Screen->FormCount(); ++i)
        popups += Screen->Forms(i)->Caption() == "Output Range";
    EXPECT_EQ(popups, 1);
}

TEST_F(HighlightScenarioTest, RangePopupHasTheLayoutOfItsPanel) {
    TBoardHighlight* circle = MainForm->RangeHighlight1;
    MovePointerTo(circle, Centre(circle));
    TPopupForm* popup = RangePopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->Caption(), "Output Range");
    EXPECT_EQ(popup->Tag(), int(htSettings));
    EXPECT_EQ(popup->BorderStyle(), bsSizeToolWin);
    EXPECT_EQ(popup->FormStyle(), fsStayOnTop);
    EXPECT_EQ(popup->ClientWidth(), 240);
    EXPECT_EQ(popup->ClientHeight(), 197);
    TPoint expected{Image->Left() + 203, Image->Top() + 222};
    expected.X = std::min(expected.X, Screen->Width() - popup->Width());
    expected.Y = std::min(expected.Y, Screen->Height() - popup->Height());
    EXPECT_EQ((TPoint{popup->Left(), popup->Top()}), expected);

    EXPECT_EQ(MainForm->RangePanel->Parent(), popup);
    EXPECT_EQ(MainForm->RangePanel->BoundsRect(), Bounds(0, 0, 240, 88));
    EXPECT_TRUE(MainForm->RangePanel->Visible());
    EXPECT_TRUE(MainForm->RangePanel->InPopup());
    struct Expected {
        const char* Name;
        TRect Bounds;
        TAnchors Anchors;
    };
    const Expected controls[] = {
        {"PopupStatus", Bounds(0, 178, 240, 19), akLeft | akRight | akBottom},
        {"PreviousButton", Bounds(6, 153, 58, 25), akLeft | akBottom},
        {"NextButton", Bounds(91, 153, 58, 25), akBottom},
        {"DoneButton", Bounds(176, 153, 58, 25), akRight | akBottom},
        {"StatusMemo", Bounds(6, 89, 228, 58), akLeft | akTop | akRight | akBottom},
    };
    for (const Expected& c : controls) {
        auto* control = PopupControl<TControl>(popup, c.Name);
        ASSERT_NE(control, nullptr) << c.Name;
        EXPECT_EQ(control->BoundsRect(), c.Bounds) << c.Name;
        EXPECT_EQ(control->Anchors(), c.Anchors) << c.Name;
    }
    EXPECT_EQ(PopupControl<TButton>(popup, "DoneButton")->Caption(), "Done");
    auto* memo = PopupControl<TMemo>(popup, "StatusMemo");
    EXPECT_TRUE(memo->ReadOnly());
    EXPECT_EQ(memo->ScrollBars(), ssVertical);
    EXPECT_EQ(memo->Lines().Lines(), MainForm->RangePanel->Lines().Lines());
    EXPECT_EQ(memo->Lines().Count(), 3);
    EXPECT_EQ(popup->Constraints().MinWidth, popup->Width());
}

TEST_F(HighlightScenarioTest, HighLevelPopupFitsItsSmallerPanel) {
    TBoardHighlight* circle = MainForm->HighLevelHighlight;
    MovePointerTo(circle, Centre(circle));
    TPopupForm* popup = circle->Popup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->Caption(), "High Level");
    EXPECT_EQ(popup->ClientWidth(), 240);
    EXPECT_EQ(popup->ClientHeight(), 158);
    EXPECT_EQ(PopupControl<TControl>(popup, "DoneButton")->Top(), 114);
    EXPECT_EQ(PopupControl<TControl>(popup, "StatusMemo")->BoundsRect(), Bounds(6, 50, 228, 58));
}

TEST_F(HighlightScenarioTest, MovingStraightOntoThePopupPinsItUntilThePointerLeavesIt) {
    TBoardHighlight* circle = MainForm->RangeHighlight1;
    MovePointerTo(circle, Centre(circle));
    TPopupForm* popup = RangePopup();
    ASSERT_NE(popup, nullptr);
    auto* memo = PopupControl<TMemo>(popup, "StatusMemo");
    MovePointerTo(memo, {20, 20});
    EXPECT_TRUE(popup->Visible());
    EXPECT_TRUE(popup->CloseOnLeave());
    EXPECT_TRUE(popup->OwnerHighlight()->Pinned());
    MovePointerTo(PopupControl<TControl>(popup, "DoneButton"), {10, 10}); // inside still
    EXPECT_TRUE(popup->Visible());
    MovePointerTo(Image, Away);
    EXPECT_FALSE(popup->Visible());
    EXPECT_FALSE(MainForm->RangeHighlight1->Lit());
}

TEST_F(HighlightScenarioTest, AClickPinsAndDoneCloses) {
    TBoardHighlight* circle = MainForm->RangeHighlight2;
    MovePointerTo(circle, Centre(circle));
    ClickOn(circle, Centre(circle));
    TPopupForm* popup = RangePopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->OwnerHighlight()->Pinned());
    MovePointerTo(Image, Away);
    EXPECT_TRUE(popup->Visible()) << "a pinned popup stays when the pointer leaves the circle";
    EXPECT_TRUE(circle->Lit());
    ClickOn(PopupControl<TButton>(popup, "DoneButton"), {29, 12});
    EXPECT_FALSE(popup->Visible());
    for (TBoardHighlight* h : {MainForm->RangeHighlight1, MainForm->RangeHighlight2}) {
        EXPECT_FALSE(h->Lit());
        EXPECT_TRUE(Shows(h, h->IdleImage())) << h->Name();
    }
}

TEST_F(HighlightScenarioTest, CloseBoxHidesThePopupWhichOpensAgainUnpinned) {
    TBoardHighlight* circle = MainForm->RangeHighlight1;
    MovePointerTo(circle, Centre(circle));
    ClickOn(circle, Centre(circle));
    TPopupForm* popup = RangePopup();
    ASSERT_NE(popup, nullptr);
    WindowOf(popup)->close(); // the window's close box
    Application->ProcessMessages();
    EXPECT_FALSE(popup->Visible());
    EXPECT_FALSE(circle->Lit());
    MovePointerTo(Image, Away);
    MovePointerTo(circle, Centre(circle));
    EXPECT_EQ(RangePopup(), popup) << "built once, shown again";
    EXPECT_TRUE(popup->Visible());
    EXPECT_FALSE(popup->OwnerHighlight()->Pinned());
}

TEST_F(HighlightScenarioTest, ActivePopupGivesItsCirclesTheHotLook) {
    TBoardHighlight* circle = MainForm->RangeHighlight1;
    MovePointerTo(circle, Centre(circle));
    ClickOn(circle, Centre(circle));
    ASSERT_TRUE(circle->PopupActive());
    EXPECT_TRUE(Shows(MainForm->RangeHighlight1, MainForm->RangeHighlight1->HotImage()));
    EXPECT_TRUE(Shows(MainForm->RangeHighlight2, MainForm->RangeHighlight2->HotImage()));
    MainForm->SetFocus(); // back to the main window
    QTest::qWait(50);
    EXPECT_FALSE(circle->PopupActive());
    EXPECT_TRUE(Shows(MainForm->RangeHighlight1, MainForm->RangeHighlight1->LitImage()));
    EXPECT_TRUE(Shows(MainForm->RangeHighlight2, MainForm->RangeHighlight2->LitImage()));
}

TEST_F(HighlightScenarioTest, ShowFirstPopupOpensTheRangePopupAndItStays) {
    Image->Perform(WM_SHOWFIRSTPOPUP, 0, 0);
    Application->ProcessMessages();
    TPopupForm* popup = RangePopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->Visible());
    EXPECT_TRUE(popup->OwnerHighlight()->Pinned());
    MovePointerTo(Image, Away);
    MovePointerTo(Image, {10, 10});
    EXPECT_TRUE(popup->Visible());
}

TEST_F(HighlightScenarioTest, HoveringRepaintsTheReadyImagesOnly) {
    TBoardHighlight* circle = MainForm->RangeHighlight1;
    ASSERT_TRUE(circle->Prepared());
    // Were the ring computed at paint, a blue kind would show blue rings now.
    circle->SetHighlightType(htOptions);
    MainForm->RangeHighlight2->SetHighlightType(htOptions);
    MovePointerTo(circle, Centre(circle));
    EXPECT_TRUE(circle->Lit());
    EXPECT_TRUE(Shows(circle, circle->HotImage()) || Shows(circle, circle->LitImage()));
    TBitmap board;
    Image->PaintTo(board);
    TColor ringPixel = board.Pixel(circle->Left() + 3, circle->Top() + 72);
    EXPECT_GT(GetRValue(ringPixel), GetBValue(ringPixel)) << "still the yellow ring";
}

} // namespace
