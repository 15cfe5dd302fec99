#pragma once

#include "Types.h"

#include <functional>

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

// A font as the descriptions name it: a family name the platform maps to an
// installed family, a size in points (or a height in pixels, negative for the
// character height without leading, at 96 pixels per inch), colour and style.
class TFont {
public:
    static constexpr int PixelsPerInch = 96;

    const String& Name() const { return FName; }
    void SetName(const String& name);
    int Size() const;
    void SetSize(int points);
    int Height() const { return FHeight; }
    void SetHeight(int pixels);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles style);
    int Charset() const { return FCharset; }
    void SetCharset(int charset) { FCharset = charset; }

    void Assign(const TFont& other);
    bool operator==(const TFont& other) const;

    std::function<void()> OnChange;

private:
    void Changed();
    String FName = "MS Sans Serif";
    int FHeight = -11; // 8 points
    TColor FColor = clWindowText;
    TFontStyles FStyle = 0;
    int FCharset = 1; // DEFAULT_CHARSET; text is Unicode throughout
};
