#include "GraphicControl.h"

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::PaintOn(TBitmap& buffer, TPoint origin, const TRect& clip) {
    FCanvas.SetTarget(&buffer, origin, clip);
    struct Detach {
        TCanvas& Canvas;
        ~Detach() { Canvas.SetTarget(nullptr); }
    } detach{FCanvas};
    FCanvas.Font().Assign(Font());
    Paint();
}
