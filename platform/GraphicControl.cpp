#include "GraphicControl.h"

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner) {}

void TGraphicControl::PaintOn(TBitmap& buffer, TPoint origin, const TRect& clip) {
    TCanvas::TTargetScope scope(FCanvas, &buffer, origin, clip);
    FCanvas.Font().Assign(Font());
    Paint();
}
