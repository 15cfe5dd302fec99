#pragma once

#include "raster.h"

#include <array>
#include <initializer_list>
#include <string_view>

// Drawing of individual parts and board markings, in picture coordinates.

struct PointF {
    double x = 0;
    double y = 0;
};

namespace palette {
inline constexpr Color kSolderMask = rgb(24, 98, 54);
inline constexpr Color kCopperUnderMask = rgb(44, 128, 66);
inline constexpr Color kSilkscreen = rgb(226, 230, 220);
inline constexpr Color kTin = rgb(188, 190, 186);
inline constexpr Color kGold = rgb(222, 178, 86);
inline constexpr Color kEpoxy = rgb(34, 34, 37);
} // namespace palette

void drawSilkscreenText(Canvas& canvas, double x, double y, std::string_view text,
                        double dot = 1.0);
double silkscreenTextWidth(std::string_view text, double dot = 1.0);
void drawSilkscreenOutline(Canvas& canvas, const RectF& r);

void drawTrace(Canvas& canvas, std::initializer_list<PointF> points, double width = 1.2);
void drawVia(Canvas& canvas, double x, double y);

void drawChipResistor(Canvas& canvas, double cx, double cy, bool vertical);
void drawChipCapacitor(Canvas& canvas, double cx, double cy, bool vertical);
// Small-outline package; leads on the left and right sides or on the top and bottom sides.
void drawSoic(Canvas& canvas, const RectF& body, int pinsPerSide, bool leadsLeftAndRight);
// Quad flat package with leads on all four sides.
void drawQfp(Canvas& canvas, const RectF& body, int pinsPerSide);
void drawRegulator(Canvas& canvas, const RectF& body);
void drawElectrolyticCapacitor(Canvas& canvas, double cx, double cy, double radius);
void drawPowerInductor(Canvas& canvas, const RectF& body);
void drawCrystalOscillator(Canvas& canvas, const RectF& body);

// A four-position DIP switch lying horizontally: levers side by side, pins on the long sides.
void drawDipSwitch(Canvas& canvas, const RectF& body, std::array<bool, 4> leversOn);
// Three-pin header in a row with a jumper cap over the first two pins.
void drawThreePinHeader(Canvas& canvas, const RectF& base);
