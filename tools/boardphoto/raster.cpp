#include "raster.h"

namespace {

void blend(Color& pixel, Color c, double alpha) {
    pixel = mix(pixel, c, alpha);
}

double clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}

// One pass of the 1-2-1 kernel along x or y, clamping at the borders.
Raster blurAlong(const Raster& image, int dx, int dy) {
    Raster out(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const auto sample = [&](int step) -> const Color& {
                return image.at(std::clamp(x + step * dx, 0, image.width() - 1),
                                std::clamp(y + step * dy, 0, image.height() - 1));
            };
            const Color &a = sample(-1), &b = sample(0), &c = sample(1);
            out.at(x, y) = {(a.r + 2 * b.r + c.r) / 4, (a.g + 2 * b.g + c.g) / 4,
                            (a.b + 2 * b.b + c.b) / 4};
        }
    }
    return out;
}

} // namespace

double roundedRectDistance(const RectF& r, double radius, double px, double py) {
    const double dx = std::abs(px - r.centerX()) - (r.w / 2 - radius);
    const double dy = std::abs(py - r.centerY()) - (r.h / 2 - radius);
    const double outside = std::hypot(std::max(dx, 0.0), std::max(dy, 0.0));
    const double inside = std::min(std::max(dx, dy), 0.0);
    return outside + inside - radius;
}

Canvas::Canvas(int width, int height, int supersampling)
    : samples_(width * supersampling, height * supersampling)
    , factor_(supersampling) {}

void Canvas::fillRect(const RectF& r, Color c, double alpha) {
    shade(r, [&](double, double, Color& px) { blend(px, c, alpha); });
}

void Canvas::fillRoundedRect(const RectF& r, double radius, Color c, double alpha) {
    shade(r, [&](double x, double y, Color& px) {
        if (roundedRectDistance(r, radius, x, y) <= 0)
            blend(px, c, alpha);
    });
}

void Canvas::fillCircle(double cx, double cy, double radius, Color c, double alpha) {
    fillRoundedRect({cx - radius, cy - radius, 2 * radius, 2 * radius}, radius, c, alpha);
}

void Canvas::drawLine(double x0, double y0, double x1, double y1, double width, Color c,
                      double alpha) {
    const double half = width / 2;
    const RectF bounds{std::min(x0, x1) - half, std::min(y0, y1) - half, std::abs(x1 - x0) + width,
                       std::abs(y1 - y0) + width};
    const double dx = x1 - x0, dy = y1 - y0;
    const double lengthSquared = std::max(dx * dx + dy * dy, 1e-12);
    shade(bounds, [&](double x, double y, Color& px) {
        // Distance to the segment, which gives round caps and joins between segments.
        const double t = clamp01(((x - x0) * dx + (y - y0) * dy) / lengthSquared);
        if (std::hypot(x - (x0 + t * dx), y - (y0 + t * dy)) <= half)
            blend(px, c, alpha);
    });
}

void Canvas::fillVerticalGradient(const RectF& r, double radius, Color top, Color bottom) {
    shade(r, [&](double x, double y, Color& px) {
        if (roundedRectDistance(r, radius, x, y) <= 0)
            px = mix(top, bottom, clamp01((y - r.y) / r.h));
    });
}

void Canvas::fillHorizontalGradient(const RectF& r, double radius, Color left, Color right) {
    shade(r, [&](double x, double y, Color& px) {
        if (roundedRectDistance(r, radius, x, y) <= 0)
            px = mix(left, right, clamp01((x - r.x) / r.w));
    });
}

void Canvas::dropShadow(const RectF& r, double radius, double softness, double strength) {
    shade(r.grown(softness), [&](double x, double y, Color& px) {
        const double d = roundedRectDistance(r, radius, x, y);
        const double t = clamp01(0.5 - d / (2 * softness));
        px = scaled(px, 1.0 - strength * t * t * (3 - 2 * t));
    });
}

Raster Canvas::downsampled() const {
    Raster out(samples_.width() / factor_, samples_.height() / factor_);
    const double weight = 1.0 / (factor_ * factor_);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            Color sum;
            for (int sy = 0; sy < factor_; ++sy) {
                for (int sx = 0; sx < factor_; ++sx) {
                    const Color& s = samples_.at(x * factor_ + sx, y * factor_ + sy);
                    sum = {sum.r + s.r, sum.g + s.g, sum.b + s.b};
                }
            }
            out.at(x, y) = scaled(sum, weight);
        }
    }
    return out;
}

void applyLighting(Raster& image, double lightX, double lightY) {
    const double w = image.width(), h = image.height();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            // A broad lamp falloff plus lens vignetting towards the corners.
            const double lx = (x - lightX) / w, ly = (y - lightY) / h;
            const double lamp = 1.10 - 0.35 * (lx * lx + ly * ly);
            const double nx = (x - w / 2) / (w / 2), ny = (y - h / 2) / (h / 2);
            const double vignette = 1.0 - 0.16 * (nx * nx + ny * ny);
            // Soft reflection of the lamp in the glossy surface.
            const double glare = 18.0 * std::exp(-(lx * lx * 5 + ly * ly * 2.5));
            Color& px = image.at(x, y);
            px = scaled(px, lamp * vignette);
            px = {px.r + glare, px.g + glare, px.b + glare};
        }
    }
}

void softenFocus(Raster& image, double amount) {
    const Raster blurred = blurAlong(blurAlong(image, 1, 0), 0, 1);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.at(x, y) = mix(image.at(x, y), blurred.at(x, y), amount);
    }
}

void addSensorNoise(Raster& image, Prng& prng, double lumaSigma, double chromaSigma) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double luma = lumaSigma * prng.normal();
            Color& px = image.at(x, y);
            px.r += luma + chromaSigma * prng.normal();
            px.g += luma + chromaSigma * prng.normal();
            px.b += luma + chromaSigma * prng.normal();
        }
    }
}

RgbImage toRgbImage(const Raster& image) {
    RgbImage out{image.width(), image.height(), {}};
    out.samples.reserve(std::size_t(image.width()) * image.height() * 3);
    const auto quantize = [](double v) {
        return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
    };
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Color& px = image.at(x, y);
            out.samples.push_back(quantize(px.r));
            out.samples.push_back(quantize(px.g));
            out.samples.push_back(quantize(px.b));
        }
    }
    return out;
}
