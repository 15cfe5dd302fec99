#include "raster.h"

namespace {
double clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}
} // namespace

double roundedRectDistance(const RectF& r, double radius, double px, double py) {
    const double dx = std::abs(px - r.centerX()) - (r.w / 2 - radius);
    const double dy = std::abs(py - r.centerY()) - (r.h / 2 - radius);
    const double outside = std::hypot(std::max(dx, 0.0), std::max(dy, 0.0));
    return outside + std::min(std::max(dx, dy), 0.0) - radius;
}

void Canvas::fillRect(const RectF& r, Color c, double alpha) {
    shade(r, [&](double, double, Color& px) { px = mix(px, c, alpha); });
}

void Canvas::fillRoundedRect(const RectF& r, double radius, Color c, double alpha) {
    shade(r, [&](double x, double y, Color& px) {
        if (roundedRectDistance(r, radius, x, y) <= 0)
            px = mix(px, c, alpha);
    });
}

void Canvas::fillCircle(PointF center, double radius, Color c, double alpha) {
    const RectF box{center.x - radius, center.y - radius, 2 * radius, 2 * radius};
    fillRoundedRect(box, radius, c, alpha);
}

void Canvas::fillGradient(const RectF& r, double radius, Color from, Color to, bool vertical) {
    shade(r, [&](double x, double y, Color& px) {
        if (roundedRectDistance(r, radius, x, y) <= 0)
            px = mix(from, to, clamp01(vertical ? (y - r.y) / r.h : (x - r.x) / r.w));
    });
}

void Canvas::drawLine(PointF a, PointF b, double width, Color c, double alpha) {
    const double dx = b.x - a.x, dy = b.y - a.y, half = width / 2;
    const double lengthSquared = std::max(dx * dx + dy * dy, 1e-12);
    const RectF bounds{std::min(a.x, b.x) - half, std::min(a.y, b.y) - half, std::abs(dx) + width,
                       std::abs(dy) + width};
    shade(bounds, [&](double x, double y, Color& px) {
        // Distance to the segment, which rounds the ends so joined segments meet cleanly.
        const double t = clamp01(((x - a.x) * dx + (y - a.y) * dy) / lengthSquared);
        if (std::hypot(x - (a.x + t * dx), y - (a.y + t * dy)) <= half)
            px = mix(px, c, alpha);
    });
}

void Canvas::dropShadow(const RectF& r, double radius, double softness, double strength) {
    shade(r.grown(softness), [&](double x, double y, Color& px) {
        const double t = clamp01(0.5 - roundedRectDistance(r, radius, x, y) / (2 * softness));
        px = scaled(px, 1.0 - strength * t * t * (3 - 2 * t));
    });
}

Raster Canvas::downsampled() const {
    Raster out(samples_.width / factor_, samples_.height / factor_);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            Color sum;
            for (int sy = y * factor_; sy < (y + 1) * factor_; ++sy) {
                for (int sx = x * factor_; sx < (x + 1) * factor_; ++sx) {
                    const Color& s = samples_.at(sx, sy);
                    sum = {sum.r + s.r, sum.g + s.g, sum.b + s.b};
                }
            }
            out.at(x, y) = scaled(sum, 1.0 / (factor_ * factor_));
        }
    }
    return out;
}

void developPhoto(Raster& image, PointF light, Prng& grain) {
    const double w = image.width, h = image.height;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const double lx = (x - light.x) / w, ly = (y - light.y) / h;
            const double nx = 2 * x / w - 1, ny = 2 * y / h - 1;
            const double lamp = 1.10 - 0.35 * (lx * lx + ly * ly);
            const double vignette = 1.0 - 0.16 * (nx * nx + ny * ny);
            const double glare = 18.0 * std::exp(-(lx * lx * 5 + ly * ly * 2.5));
            // Grain is mostly brightness noise with a little colour noise on top.
            const double luma = glare + 2.2 * grain.normal();
            Color& px = image.at(x, y);
            px = scaled(px, lamp * vignette);
            px = {px.r + luma + 0.9 * grain.normal(), px.g + luma + 0.9 * grain.normal(),
                  px.b + luma + 0.9 * grain.normal()};
        }
    }
}
