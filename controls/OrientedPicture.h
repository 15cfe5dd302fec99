#pragma once

#include "Bitmap.h"
#include "GraphicControl.h"
#include "SetupTypes.h"

// A drawn part of the card that can be turned four ways. A subclass draws the
// picture upright; this class turns it into the orientation off-screen and
// puts it on the screen in one block copy, so a half-drawn picture is never
// seen. A turn between upright (otUp, otDown) and sideways (otLeft, otRight)
// exchanges Width and Height at the next paint once the control has been
// painted, so a control stored sideways keeps the size it was given.
class TOrientedPicture : public TGraphicControl {
public:
    String ClassName() const override { return "TOrientedPicture"; }
    // Orientation and the inherited properties the drawn parts publish.
    static void DefineProperties(TPropertyTable& table);

    TOrientationType Orientation() const { return FOrientation; }
    void SetOrientation(TOrientationType orientation);

    // The pictures of the last paint: as drawn, and as turned for the screen.
    const TBitmap& UprightBitmap() const { return FUprightBitmap; }
    const TBitmap& OrientedBitmap() const { return FOrientedBitmap; }
    bool SwapPending() const { return FSwapPending; }
    bool PaintedOnce() const { return FPaintedOnce; }

protected:
    explicit TOrientedPicture(TComponent* owner);

    // Draws the whole picture in the otUp layout on a canvas of the given
    // size. The canvas's pen and brush are restored afterwards.
    virtual void DrawUpright(TCanvas& canvas, int width, int height) = 0;

    void Paint() final;

private:
    static bool IsSideways(TOrientationType orientation) {
        return orientation == otLeft || orientation == otRight;
    }
    void DrawUprightBitmap();
    void TurnIntoOrientedBitmap();
    void ExchangeWidthAndHeightIfPending();

    TOrientationType FOrientation = otUp;
    TBitmap FOrientedBitmap;
    TBitmap FUprightBitmap;
    bool FSwapPending = false;
    bool FPaintedOnce = false;
};
