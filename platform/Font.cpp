#include "Font.h"

#include <cmath>

void TFont::SetName(const String& name) {
    if (name == FName)
        return;
    FName = name;
    Changed();
}

int TFont::Size() const {
    return int(std::lround(-FHeight * 72.0 / PixelsPerInch));
}

void TFont::SetSize(int points) {
    SetHeight(-int(std::lround(points * double(PixelsPerInch) / 72.0)));
}

void TFont::SetHeight(int pixels) {
    if (pixels == FHeight)
        return;
    FHeight = pixels;
    Changed();
}

void TFont::SetColor(TColor color) {
    if (color == FColor)
        return;
    FColor = color;
    Changed();
}

void TFont::SetStyle(TFontStyles style) {
    if (style == FStyle)
        return;
    FStyle = style;
    Changed();
}

void TFont::Assign(const TFont& other) {
    if (*this == other)
        return;
    FName = other.FName;
    FHeight = other.FHeight;
    FColor = other.FColor;
    FStyle = other.FStyle;
    FCharset = other.FCharset;
    Changed();
}

bool TFont::operator==(const TFont& other) const {
    return FName == other.FName && FHeight == other.FHeight && FColor == other.FColor &&
           FStyle == other.FStyle && FCharset == other.FCharset;
}

void TFont::Changed() {
    if (OnChange)
        OnChange();
}
