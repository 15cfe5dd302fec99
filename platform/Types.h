#pragma once

#include <cstdint>
#include <string>

// The basic value types the controls are written against: text, colours and
// integer geometry with the right and bottom edges excluded.

using String = std::string; // UTF-8

using TColor = std::uint32_t; // 0x00BBGGRR, or 0x80000000 + n for system colour n

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

constexpr TColor clSystemColor = 0x80000000;
constexpr TColor clScrollBar = clSystemColor + 0;
constexpr TColor clBackground = clSystemColor + 1;
constexpr TColor clActiveCaption = clSystemColor + 2;
constexpr TColor clInactiveCaption = clSystemColor + 3;
constexpr TColor clMenu = clSystemColor + 4;
constexpr TColor clWindow = clSystemColor + 5;
constexpr TColor clWindowFrame = clSystemColor + 6;
constexpr TColor clMenuText = clSystemColor + 7;
constexpr TColor clWindowText = clSystemColor + 8;
constexpr TColor clCaptionText = clSystemColor + 9;
constexpr TColor clHighlight = clSystemColor + 13;
constexpr TColor clHighlightText = clSystemColor + 14;
constexpr TColor clBtnFace = clSystemColor + 15;
constexpr TColor clBtnShadow = clSystemColor + 16;
constexpr TColor clGrayText = clSystemColor + 17;
constexpr TColor clBtnText = clSystemColor + 18;
constexpr TColor clBtnHighlight = clSystemColor + 20;
constexpr TColor cl3DDkShadow = clSystemColor + 21;
constexpr TColor cl3DLight = clSystemColor + 22;
constexpr TColor clInfoText = clSystemColor + 23;
constexpr TColor clInfoBk = clSystemColor + 24;

// The red, green and blue parts of a colour that is not a system colour.
constexpr std::uint8_t GetRValue(TColor c) {
    return c & 0xFF;
}
constexpr std::uint8_t GetGValue(TColor c) {
    return (c >> 8) & 0xFF;
}
constexpr std::uint8_t GetBValue(TColor c) {
    return (c >> 16) & 0xFF;
}
constexpr TColor RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    // Left and top edges inside, right and bottom edges outside.
    bool Contains(TPoint p) const {
        return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
    }
    TRect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
    TRect Intersect(const TRect& r) const;
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Rect(int left, int top, int right, int bottom) {
    return {left, top, right, bottom};
}
inline TRect Bounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

inline TRect TRect::Intersect(const TRect& r) const {
    TRect out{Left > r.Left ? Left : r.Left, Top > r.Top ? Top : r.Top,
              Right < r.Right ? Right : r.Right, Bottom < r.Bottom ? Bottom : r.Bottom};
    if (out.IsEmpty())
        return {};
    return out;
}
