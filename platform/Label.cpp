#include "Label.h"

#include "PropertyTable.h"
#include "WinControl.h"

void TLabel::DefineProperties(TPropertyTable& table) {
    TControl::DefineProperties(table);
    DefineFontProperties(table);
    table.Text<TLabel>("Caption", &TLabel::SetCaption);
}

TLabel::TLabel(TComponent* owner)
    : TGraphicControl(owner) {
    SetBounds(0, 0, 65, 17);
}

void TLabel::SetCaption(const String& caption) {
    if (caption == FCaption)
        return;
    FCaption = caption;
    Invalidate();
}

// The text stands on the parent's face, with no background of its own.
void TLabel::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Brush().SetStyle(bsClear);
    canvas.TextOut(0, 0, FCaption);
}
