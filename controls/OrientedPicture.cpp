#include "OrientedPicture.h"

#include "PropertyTable.h"

#include <cstdint>

namespace {

// Where pixel (x, y) of a width x height upright picture lands when turned.
TPoint TurnedPosition(TOrientationType orientation, int x, int y, int width, int height) {
    switch (orientation) {
    case otDown:
        return {width - 1 - x, height - 1 - y};
    case otLeft:
        return {y, width - 1 - x};
    case otRight:
        return {height - 1 - y, x};
    case otUp:
        break;
    }
    return {x, y};
}

std::uint32_t* PixelRow(TBitmap& bitmap, int y) {
    return reinterpret_cast<std::uint32_t*>(bitmap.ScanLine(y));
}

const std::uint32_t* PixelRow(const TBitmap& bitmap, int y) {
    return reinterpret_cast<const std::uint32_t*>(bitmap.ScanLine(y));
}

// Gives back the pen and brush a drawing found, whatever it changed.
class TPenAndBrushKeeper {
public:
    explicit TPenAndBrushKeeper(TCanvas& canvas)
        : FCanvas(canvas)
        , FPen(canvas.Pen())
        , FBrush(canvas.Brush()) {}
    ~TPenAndBrushKeeper() {
        FCanvas.Pen() = FPen;
        FCanvas.Brush() = FBrush;
    }
    TPenAndBrushKeeper(const TPenAndBrushKeeper&) = delete;
    TPenAndBrushKeeper& operator=(const TPenAndBrushKeeper&) = delete;

private:
    TCanvas& FCanvas;
    TPen FPen;
    TBrush FBrush;
};

} // namespace

void TOrientedPicture::DefineProperties(TPropertyTable& table) {
    TControl::DefineProperties(table);
    table.Enumeration<TOrientedPicture, TOrientationType>(
        "Orientation", &TOrientedPicture::SetOrientation,
        {{"otUp", otUp}, {"otDown", otDown}, {"otLeft", otLeft}, {"otRight", otRight}});
}

TOrientedPicture::TOrientedPicture(TComponent* owner)
    : TGraphicControl(owner) {}

void TOrientedPicture::SetOrientation(TOrientationType orientation) {
    if (orientation == FOrientation)
        return;
    // Turning back into the pair the control started from before the next
    // paint cancels the exchange that the first turn asked for, so the size
    // always suits the orientation the control ends in.
    if (IsSideways(orientation) != IsSideways(FOrientation))
        FSwapPending = !FSwapPending;
    FOrientation = orientation;
    Invalidate();
}

void TOrientedPicture::Paint() {
    DrawUprightBitmap();
    TurnIntoOrientedBitmap();
    ExchangeWidthAndHeightIfPending();
    // One block copy: the screen never shows a half-drawn picture. While the
    // size is being exchanged the picture may not fit; the paint that the new
    // size brings replaces it.
    Canvas().Draw(0, 0, FOrientedBitmap);
    FPaintedOnce = true;
}

void TOrientedPicture::DrawUprightBitmap() {
    bool sideways = IsSideways(FOrientation);
    int width = sideways ? Height() : Width();
    int height = sideways ? Width() : Height();
    FUprightBitmap.SetSize(width, height);
    TCanvas& canvas = FUprightBitmap.Canvas();
    TPenAndBrushKeeper keeper(canvas);
    DrawUpright(canvas, width, height);
}

void TOrientedPicture::TurnIntoOrientedBitmap() {
    const TBitmap& upright = FUprightBitmap;
    int width = upright.Width();
    int height = upright.Height();
    if (FOrientation == otUp) {
        FOrientedBitmap.SetSize(width, height);
        FOrientedBitmap.Canvas().Draw(0, 0, upright);
        return;
    }
    if (IsSideways(FOrientation))
        FOrientedBitmap.SetSize(height, width);
    else
        FOrientedBitmap.SetSize(width, height);
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* source = PixelRow(upright, y);
        for (int x = 0; x < width; ++x) {
            TPoint to = TurnedPosition(FOrientation, x, y, width, height);
            PixelRow(FOrientedBitmap, to.Y)[to.X] = source[x];
        }
    }
}

void TOrientedPicture::ExchangeWidthAndHeightIfPending() {
    if (!FSwapPending)
        return;
    FSwapPending = false;
    if (!FPaintedOnce)
        return;
    int oldWidth = Width();
    int oldHeight = Height();
    SetWidth(oldHeight);
    SetHeight(oldWidth);
}
