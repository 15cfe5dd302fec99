#pragma once

#include "prng.h"
#include "rgb_image.h"

#include <algorithm>
#include <cmath>
#include <vector>

// Colour with samples on the 0..255 scale, kept in floating point so that blending, lighting
// and noise do not produce banding before the final rounding.
struct Color {
    double r = 0;
    double g = 0;
    double b = 0;
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

struct RectF {
    double x = 0;
    double y = 0;
    double w = 0;
    double h = 0;

    constexpr double right() const { return x + w; }
    constexpr double bottom() const { return y + h; }
    constexpr double centerX() const { return x + w / 2; }
    constexpr double centerY() const { return y + h / 2; }
    constexpr RectF grown(double d) const { return {x - d, y - d, w + 2 * d, h + 2 * d}; }
    constexpr RectF moved(double dx, double dy) const { return {x + dx, y + dy, w, h}; }
};

// Signed distance from (px, py) to a rectangle with rounded corners; negative inside.
double roundedRectDistance(const RectF& r, double radius, double px, double py);

class Raster {
public:
    Raster(int width, int height, Color fill = {})
        : width_(width)
        , height_(height)
        , pixels_(std::size_t(width) * height, fill) {}
    int width() const { return width_; }
    int height() const { return height_; }
    Color& at(int x, int y) { return pixels_[std::size_t(y) * width_ + x]; }
    const Color& at(int x, int y) const { return pixels_[std::size_t(y) * width_ + x]; }

private:
    int width_;
    int height_;
    std::vector<Color> pixels_;
};

// Draws in picture coordinates onto a raster `supersampling` times larger in each direction.
// Shrinking it at the end gives every edge the soft, anti-aliased look of a camera image.
class Canvas {
public:
    Canvas(int width, int height, int supersampling);

    // Calls shader(x, y, pixel) for every sample whose centre lies in `bounds`, with x and y
    // in picture coordinates; everything else is built on this.
    template <typename Shader>
    void shade(const RectF& bounds, Shader shader) {
        const auto first = [this](double v) { return std::max(0, int(std::floor(v * factor_))); };
        const int x0 = first(bounds.x), y0 = first(bounds.y);
        const int x1 = std::min(samples_.width(), int(std::ceil(bounds.right() * factor_)));
        const int y1 = std::min(samples_.height(), int(std::ceil(bounds.bottom() * factor_)));
        for (int sy = y0; sy < y1; ++sy) {
            for (int sx = x0; sx < x1; ++sx)
                shader((sx + 0.5) / factor_, (sy + 0.5) / factor_, samples_.at(sx, sy));
        }
    }

    void fillRect(const RectF& r, Color c, double alpha = 1.0);
    void fillRoundedRect(const RectF& r, double radius, Color c, double alpha = 1.0);
    void fillCircle(double cx, double cy, double radius, Color c, double alpha = 1.0);
    void drawLine(double x0, double y0, double x1, double y1, double width, Color c,
                  double alpha = 1.0);
    void fillVerticalGradient(const RectF& r, double radius, Color top, Color bottom);
    void fillHorizontalGradient(const RectF& r, double radius, Color left, Color right);
    // Darkens a soft-edged area below a part so that it seems to stand on the board.
    void dropShadow(const RectF& r, double radius, double softness, double strength);

    // Box-filters the samples down to picture size.
    Raster downsampled() const;

private:
    Raster samples_;
    int factor_;
};

// Camera-like finishing touches on the picture-sized raster.
void applyLighting(Raster& image, double lightX, double lightY);
// Blends in a slight blur, as a real lens never renders a perfectly crisp edge.
void softenFocus(Raster& image, double amount);
void addSensorNoise(Raster& image, Prng& prng, double lumaSigma, double chromaSigma);
RgbImage toRgbImage(const Raster& image);
