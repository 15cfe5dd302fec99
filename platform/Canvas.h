#pragma once

#include "Brush.h"
#include "Font.h"
#include "Pen.h"
#include "Types.h"

class TBitmap;
class TGraphic;

// Draws on a 32-bit bitmap. Rectangles are left, top, right, bottom with the
// right and bottom edges excluded; outlines lie on the outermost pixels of a
// shape; nothing is anti-aliased, so every pixel is predictable.
//
// A canvas may look at part of a bitmap only: a control without a window draws
// on its parent's back buffer through a canvas whose origin is the control's
// top-left corner and whose clip is the control's rectangle. A canvas without
// a bitmap draws nothing.
class TCanvas {
public:
    TCanvas() = default;
    explicit TCanvas(TBitmap* target);

    // origin and clip are in the target's pixels.
    void SetTarget(TBitmap* target, TPoint origin, const TRect& clip);
    void SetTarget(TBitmap* target);
    TBitmap* Target() const { return FTarget; }

    // Points the canvas at a bitmap for the length of a paint and away from
    // it again when the paint ends, also by an exception.
    class TTargetScope {
    public:
        TTargetScope(TCanvas& canvas, TBitmap* target, TPoint origin, const TRect& clip)
            : FCanvas(canvas) {
            canvas.SetTarget(target, origin, clip);
        }
        ~TTargetScope() { FCanvas.SetTarget(nullptr); }
        TTargetScope(const TTargetScope&) = delete;
        TTargetScope& operator=(const TTargetScope&) = delete;

    private:
        TCanvas& FCanvas;
    };

    TPen& Pen() { return FPen; }
    TBrush& Brush() { return FBrush; }
    TFont& Font() { return FFont; }

    // The part of the canvas that drawing reaches, in canvas coordinates.
    TRect ClipRect() const { return FClip.Offset(-FOrigin.X, -FOrigin.Y); }

    void FillRect(const TRect& rect);
    void Rectangle(const TRect& rect);
    void Rectangle(int left, int top, int right, int bottom) {
        Rectangle({left, top, right, bottom});
    }
    // Round shapes take the pixels whose centres lie inside the ideal shape,
    // so they are symmetric and cover exactly their box, with or without an
    // outline; the outline is solid whatever the pen's style.
    void RoundRect(const TRect& rect, int cornerWidth, int cornerHeight);
    void Ellipse(const TRect& rect);
    void TextOut(int x, int y, const String& text);
    int TextWidth(const String& text);
    int TextHeight(const String& text);

    // clNone for a pixel outside the clip.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    // Copies pixels; equal sizes copy exactly, different sizes stretch.
    void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);
    void Draw(int x, int y, const TGraphic& graphic);
    void StretchDraw(const TRect& rect, const TGraphic& graphic);
    // Used by TBitmap::Draw.
    void DrawBitmap(const TRect& dest, const TBitmap& bitmap);

private:
    void FillTargetRect(const TRect& targetRect, TColor color);
    void DrawRoundShape(const TRect& rect, int cornerWidth, int cornerHeight);
    // from and sourceClip are in the source's pixels.
    void CopyPixels(const TRect& dest, const TBitmap& source, const TRect& from,
                    const TRect& sourceClip);
    template <class Paint>
    void WithPainter(Paint paint);

    TBitmap* FTarget = nullptr;
    TPoint FOrigin;
    TRect FClip;
    TPen FPen;
    TBrush FBrush;
    TFont FFont;
};
