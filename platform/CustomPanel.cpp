#include "CustomPanel.h"

TCustomPanel::TCustomPanel(TComponent* owner)
    : TWinControl(owner) {
    SetBounds(0, 0, 185, 41);
}

void TCustomPanel::SetCaption(const String& caption) {
    if (caption == FCaption)
        return;
    FCaption = caption;
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut bevel) {
    if (bevel == FBevelOuter)
        return;
    FBevelOuter = bevel;
    Invalidate();
}

void TCustomPanel::Paint() {
    TCanvas& canvas = Canvas();
    if (FBevelOuter != bvNone) {
        TColor topLeft = FBevelOuter == bvRaised ? clBtnHighlight : clBtnShadow;
        TColor bottomRight = FBevelOuter == bvRaised ? clBtnShadow : clBtnHighlight;
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(topLeft);
        canvas.FillRect({0, 0, Width(), 1});
        canvas.FillRect({0, 0, 1, Height()});
        canvas.Brush().SetColor(bottomRight);
        canvas.FillRect({0, Height() - 1, Width(), Height()});
        canvas.FillRect({Width() - 1, 0, Width(), Height()});
    }
    if (!FCaption.empty()) {
        canvas.Brush().SetStyle(bsClear);
        canvas.TextOut((Width() - canvas.TextWidth(FCaption)) / 2,
                       (Height() - canvas.TextHeight(FCaption)) / 2, FCaption);
    }
}
