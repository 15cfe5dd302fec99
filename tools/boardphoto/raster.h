#pragma once

#include "prng.h"

#include <algorithm>
#include <cmath>
#include <vector>

// Colour on the 0..255 scale, in floating point so blending and lighting do not band.
struct Color {
    double r = 0, g = 0, b = 0;
};
constexpr Color rgb(int r, int g, int b) {
    return {double(r), double(g), double(b)};
}
inline Color mix(Color a, Color b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
inline Color scaled(Color c, double f) {
    return {c.r * f, c.g * f, c.b * f};
}

struct PointF {
    double x = 0, y = 0;
};

struct RectF {
    double x = 0, y = 0, w = 0, h = 0;
    constexpr double right() const { return x + w; }
    constexpr double bottom() const { return y + h; }
    constexpr double centerX() const { return x + w / 2; }
    constexpr double centerY() const { return y + h / 2; }
    constexpr RectF grown(double d) const { return {x - d, y - d, w + 2 * d, h + 2 * d}; }
    constexpr RectF moved(double dx, double dy) const { return {x + dx, y + dy, w, h}; }
};

// Signed distance from (px, py) to a rectangle with rounded corners; negative inside.
double roundedRectDistance(const RectF& r, double radius, double px, double py);

struct Raster {
    Raster(int w, int h)
        : width(w)
        , height(h)
        , pixels(std::size_t(w) * h) {}
    Color& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
    const Color& at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }

    int width, height;
    std::vector<Color> pixels;
};

// Draws in picture coordinates onto a raster `supersampling` times larger in each direction;
// shrinking it at the end gives edges the soft, anti-aliased look of a camera image.
class Canvas {
public:
    Canvas(int width, int height, int supersampling)
        : samples_(width * supersampling, height * supersampling)
        , factor_(supersampling) {}

    // Calls shader(x, y, pixel) for every sample whose centre lies in `bounds`, with x and y in
    // picture coordinates; all other drawing is built on this.
    template <typename Shader>
    void shade(const RectF& bounds, Shader shader) {
        const auto first = [this](double v) { return std::max(0, int(std::floor(v * factor_))); };
        const int x1 = std::min(samples_.width, int(std::ceil(bounds.right() * factor_)));
        const int y1 = std::min(samples_.height, int(std::ceil(bounds.bottom() * factor_)));
        for (int sy = first(bounds.y); sy < y1; ++sy) {
            for (int sx = first(bounds.x); sx < x1; ++sx)
                shader((sx + 0.5) / factor_, (sy + 0.5) / factor_, samples_.at(sx, sy));
        }
    }

    void fillRect(const RectF& r, Color c, double alpha = 1.0);
    void fillRoundedRect(const RectF& r, double radius, Color c, double alpha = 1.0);
    void fillCircle(PointF center, double radius, Color c, double alpha = 1.0);
    void fillGradient(const RectF& r, double radius, Color from, Color to, bool vertical = true);
    void drawLine(PointF a, PointF b, double width, Color c, double alpha = 1.0);
    // Darkens a soft-edged area so that the part drawn next seems to stand above the board.
    void dropShadow(const RectF& r, double radius, double softness, double strength);
    // Averages each block of samples into one picture pixel.
    Raster downsampled() const;

private:
    Raster samples_;
    int factor_;
};

// Lamp falloff, lens vignetting, a soft reflection of the lamp at `light` and sensor grain.
void developPhoto(Raster& image, PointF light, Prng& grain);
