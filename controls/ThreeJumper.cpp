#include "ThreeJumper.h"

#include "PropertyTable.h"
#include "WinControl.h"

#include <algorithm>

namespace {

// numerator / denominator to the nearest integer, halves to the even
// neighbour, exact for the quotients of the layout (denominator > 0).
int RoundHalfToEven(int numerator, int denominator) {
    int quotient = numerator / denominator;
    int remainder = numerator % denominator;
    if (remainder < 0) {
        quotient -= 1;
        remainder += denominator;
    }
    if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0))
        quotient += 1;
    return quotient;
}

// Where the pins and the cap lie across an upright picture of the given size.
struct TPinLayout {
    int LeftPin;   // x of the left pin's centre; the right pin's is width - LeftPin
    int MiddlePin; // x of the middle pin's centre
    int PinsY;     // y of all three centres
    int Radius;
    int CapReach; // how far the cap reaches past the middle pin's centre
};

TPinLayout PinLayoutFor(int width, int height) {
    TPinLayout layout;
    int margin = RoundHalfToEven(2 * (width - 2), 9); // (width - 2) / 4.5
    layout.LeftPin = margin + 1;
    layout.MiddlePin = width / 2;
    layout.PinsY = height / 2;
    layout.Radius = std::min(margin / 3, RoundHalfToEven(height - 2, 4));
    layout.CapReach = (layout.MiddlePin - layout.LeftPin + 2) / 2;
    return layout;
}

} // namespace

void TThreeJumper::DefineProperties(TPropertyTable& table) {
    TOrientedPicture::DefineProperties(table);
    table.Enumeration<TThreeJumper, TJumperState>(
        "JumperState", &TThreeJumper::SetJumperState,
        {{"jsOpen", jsOpen}, {"jsLeft", jsLeft}, {"jsRight", jsRight}});
    table.Color<TThreeJumper>("BaseColor", &TThreeJumper::SetBaseColor);
    table.Color<TThreeJumper>("PinColor", &TThreeJumper::SetPinColor);
    table.Color<TThreeJumper>("JumperColor", &TThreeJumper::SetJumperColor);
    table.Enumeration<TThreeJumper, TFormBorderStyle>("BorderStyle", &TThreeJumper::SetBorderStyle,
                                                      {{"bsNone", bsNone}, {"bsSingle", bsSingle}});
    table.Boolean<TThreeJumper>("AllowOpen", &TThreeJumper::SetAllowOpen);
}

TThreeJumper::TThreeJumper(TComponent* owner)
    : TOrientedPicture(owner) {
    SetWidth(43);
    SetHeight(18);
}

void TThreeJumper::SetJumperState(TJumperState state) {
    if (state == FJumperState || (state == jsOpen && !FAllowOpen))
        return;
    FJumperState = state;
    Invalidate();
}

void TThreeJumper::SetColorProperty(TColor& field, TColor color) {
    if (color == field)
        return;
    field = color;
    Invalidate();
}

void TThreeJumper::SetBaseColor(TColor color) {
    SetColorProperty(FBaseColor, color);
}

void TThreeJumper::SetPinColor(TColor color) {
    SetColorProperty(FPinColor, color);
}

void TThreeJumper::SetJumperColor(TColor color) {
    SetColorProperty(FJumperColor, color);
}

void TThreeJumper::SetBorderStyle(TFormBorderStyle style) {
    if (style == FBorderStyle || (style != bsNone && style != bsSingle))
        return;
    FBorderStyle = style;
    Invalidate();
}

void TThreeJumper::SetAllowOpen(bool allowOpen) {
    if (allowOpen == FAllowOpen)
        return;
    FAllowOpen = allowOpen;
    if (!FAllowOpen && FJumperState == jsOpen)
        SetJumperState(jsLeft);
    Invalidate();
}

TJumperState TThreeJumper::StateAfterClick() const {
    switch (FJumperState) {
    case jsOpen:
        return jsLeft;
    case jsLeft:
        return jsRight;
    case jsRight:
        break;
    }
    return FAllowOpen ? jsOpen : jsLeft;
}

void TThreeJumper::Click() {
    SetJumperState(StateAfterClick());
    TOrientedPicture::Click();
}

TColor TThreeJumper::BackgroundColor() const {
    // Only the option panel itself counts, not a class derived from it.
    if (Parent() && Parent()->ClassName() == "TRadioPanel")
        return Parent()->Color();
    return clBtnFace;
}

void TThreeJumper::DrawUpright(TCanvas& canvas, int width, int height) {
    TColor background = BackgroundColor();
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetColor(background);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(background);
    canvas.Rectangle(0, 0, width, height);

    TPinLayout layout = PinLayoutFor(width, height);
    canvas.Brush().SetColor(FBaseColor);
    canvas.Pen().SetColor(FBorderStyle == bsSingle ? clBlack : FBaseColor);
    canvas.RoundRect({1, 1, width - 1, height - 1}, height / 2, height / 2);

    canvas.Pen().SetColor(clBlack);
    canvas.Brush().SetColor(FJumperColor);
    if (FJumperState == jsLeft)
        canvas.Rectangle(0, 0, layout.MiddlePin + layout.CapReach, height);
    else if (FJumperState == jsRight)
        canvas.Rectangle(layout.MiddlePin - layout.CapReach, 0, width, height);

    // Drawn after the cap, so the pins it covers show on it.
    canvas.Pen().SetStyle(psClear);
    canvas.Brush().SetColor(FPinColor);
    for (int centre : {layout.LeftPin, layout.MiddlePin, width - layout.LeftPin})
        canvas.Ellipse({centre - layout.Radius, layout.PinsY - layout.Radius,
                        centre + layout.Radius, layout.PinsY + layout.Radius});
}
