#include "components.h"

#include <cstdint>
#include <map>

namespace {

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;

// 5x7 dot patterns, one byte per row with the leftmost dot in bit 4; only the characters the
// board's labels need.
const std::map<char, std::array<std::uint8_t, kGlyphHeight>>& glyphs() {
    static const std::map<char, std::array<std::uint8_t, kGlyphHeight>> table = {
        {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}},
        {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
        {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}},
        {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}},
        {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}},
        {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},
        {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}},
        {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}},
        {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}},
        {'C', {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}},
        {'H', {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
        {'J', {0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C}},
        {'K', {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}},
        {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}},
        {'Q', {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D}},
        {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}},
        {'W', {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}},
        {'-', {0x00, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00}},
    };
    return table;
}

// Seed derived from where a part sits, so each part gets its own but repeatable details.
std::uint64_t seedFor(const RectF& r) {
    return std::uint64_t(r.x * 131 + r.y * 977 + r.w * 7);
}

void drawSmdPad(Canvas& canvas, const RectF& pad) {
    canvas.fillRect(pad, rgb(168, 170, 160));
}

// A lead seen from above: a tinned strip with a bright ridge where the bend catches the light.
void drawLead(Canvas& canvas, const RectF& lead) {
    canvas.fillRect(lead.grown(0.4), rgb(160, 162, 154));
    canvas.fillRect(lead, palette::kTin);
    const bool horizontal = lead.w > lead.h;
    const RectF ridge = horizontal ? RectF{lead.x, lead.centerY() - 0.3, lead.w, 0.6}
                                   : RectF{lead.centerX() - 0.3, lead.y, 0.6, lead.h};
    canvas.fillRect(ridge, rgb(236, 236, 232), 0.7);
}

enum class Side { Left, Right, Top, Bottom };

void drawLeadRow(Canvas& canvas, const RectF& body, Side side, int count, double length,
                 double width) {
    const bool vertical = side == Side::Left || side == Side::Right;
    const double span = vertical ? body.h : body.w;
    const double pitch = span / count;
    for (int i = 0; i < count; ++i) {
        const double along = (vertical ? body.y : body.x) + (i + 0.5) * pitch - width / 2;
        RectF lead;
        switch (side) {
        case Side::Left:
            lead = {body.x - length, along, length, width};
            break;
        case Side::Right:
            lead = {body.right(), along, length, width};
            break;
        case Side::Top:
            lead = {along, body.y - length, width, length};
            break;
        case Side::Bottom:
            lead = {along, body.bottom(), width, length};
            break;
        }
        drawSmdPad(canvas, lead.grown(0.6));
        drawLead(canvas, lead);
    }
}

// Moulded package top: a slightly glossy dark slab, a pin-one dimple and faint laser marking.
void drawEpoxyBody(Canvas& canvas, const RectF& body) {
    canvas.dropShadow(body.moved(1.6, 2.2), 1.0, 2.0, 0.55);
    canvas.fillRoundedRect(body, 0.8, rgb(62, 62, 66));
    canvas.fillVerticalGradient(body.grown(-0.7), 0.5, rgb(48, 48, 52), palette::kEpoxy);
    const double dimple = std::min(body.w, body.h) * 0.09 + 0.6;
    canvas.fillCircle(body.x + 2 * dimple, body.y + 2 * dimple, dimple, rgb(22, 22, 24));
    // Faint sheen of the lamp on the upper left of the moulding.
    canvas.shade(body.grown(-0.7), [&](double x, double y, Color& px) {
        const double t = ((x - body.x) + (y - body.y)) / (body.w + body.h);
        px = mix(px, rgb(150, 150, 156), 0.10 * std::max(0.0, 1.0 - 1.6 * t));
    });

    Prng rng(seedFor(body));
    const int lines = body.h > 30 ? 3 : body.h > 10 ? 2 : 1;
    for (int line = 0; line < lines; ++line) {
        const double y = body.centerY() + (line - (lines - 1) / 2.0) * 4.0 - 0.6;
        double x = body.x + body.w * 0.28;
        while (x < body.right() - body.w * 0.25) {
            const double w = rng.uniform(0.8, 2.6);
            canvas.fillRect({x, y, w, 1.6}, rgb(92, 92, 96), 0.6);
            x += w + rng.uniform(0.5, 1.2);
        }
    }
}

} // namespace

double silkscreenTextWidth(std::string_view text, double dot) {
    return text.empty() ? 0.0 : (text.size() * (kGlyphWidth + 1) - 1) * dot;
}

void drawSilkscreenText(Canvas& canvas, double x, double y, std::string_view text, double dot) {
    for (char c : text) {
        const auto glyph = glyphs().find(c);
        if (glyph != glyphs().end()) {
            for (int row = 0; row < kGlyphHeight; ++row) {
                for (int col = 0; col < kGlyphWidth; ++col) {
                    if (glyph->second[row] & (0x10 >> col)) {
                        const RectF cell{x + col * dot, y + row * dot, dot * 1.05, dot * 1.05};
                        canvas.fillRoundedRect(cell, dot * 0.3, palette::kSilkscreen, 0.92);
                    }
                }
            }
        }
        x += (kGlyphWidth + 1) * dot;
    }
}

void drawSilkscreenOutline(Canvas& canvas, const RectF& r) {
    const Color ink = palette::kSilkscreen;
    canvas.drawLine(r.x, r.y, r.right(), r.y, 0.8, ink, 0.9);
    canvas.drawLine(r.right(), r.y, r.right(), r.bottom(), 0.8, ink, 0.9);
    canvas.drawLine(r.right(), r.bottom(), r.x, r.bottom(), 0.8, ink, 0.9);
    canvas.drawLine(r.x, r.bottom(), r.x, r.y, 0.8, ink, 0.9);
}

void drawTrace(Canvas& canvas, std::initializer_list<PointF> points, double width) {
    const PointF* previous = nullptr;
    for (const PointF& p : points) {
        if (previous)
            canvas.drawLine(previous->x, previous->y, p.x, p.y, width, palette::kCopperUnderMask);
        previous = &p;
    }
}

void drawVia(Canvas& canvas, double x, double y) {
    canvas.fillCircle(x, y, 1.7, palette::kCopperUnderMask);
    canvas.fillCircle(x, y, 1.2, rgb(150, 158, 120));
    canvas.fillCircle(x, y, 0.6, rgb(24, 40, 28));
}

void drawChipResistor(Canvas& canvas, double cx, double cy, bool vertical) {
    const double length = 6.4, width = 3.4, cap = 1.5;
    const RectF body = vertical ? RectF{cx - width / 2, cy - length / 2, width, length}
                                : RectF{cx - length / 2, cy - width / 2, length, width};
    drawSmdPad(canvas, body.grown(0.5));
    canvas.dropShadow(body.moved(0.8, 1.0), 0.3, 1.0, 0.4);
    canvas.fillRect(body, palette::kTin);
    const RectF middle = vertical ? RectF{body.x, body.y + cap, width, length - 2 * cap}
                                  : RectF{body.x + cap, body.y, length - 2 * cap, width};
    canvas.fillRect(middle, rgb(26, 26, 28));
}

void drawChipCapacitor(Canvas& canvas, double cx, double cy, bool vertical) {
    const double length = 6.0, width = 3.2, cap = 1.2;
    const RectF body = vertical ? RectF{cx - width / 2, cy - length / 2, width, length}
                                : RectF{cx - length / 2, cy - width / 2, length, width};
    drawSmdPad(canvas, body.grown(0.5));
    canvas.dropShadow(body.moved(0.8, 1.0), 0.3, 1.0, 0.4);
    canvas.fillRect(body, palette::kTin);
    const RectF middle = vertical ? RectF{body.x, body.y + cap, width, length - 2 * cap}
                                  : RectF{body.x + cap, body.y, length - 2 * cap, width};
    canvas.fillVerticalGradient(middle, 0, rgb(186, 146, 104), rgb(150, 112, 76));
}

void drawSoic(Canvas& canvas, const RectF& body, int pinsPerSide, bool leadsLeftAndRight) {
    const double length = 3.2, width = 1.5;
    drawLeadRow(canvas, body, leadsLeftAndRight ? Side::Left : Side::Top, pinsPerSide, length,
                width);
    drawLeadRow(canvas, body, leadsLeftAndRight ? Side::Right : Side::Bottom, pinsPerSide, length,
                width);
    drawEpoxyBody(canvas, body);
}

void drawQfp(Canvas& canvas, const RectF& body, int pinsPerSide) {
    const RectF leadSpan = body.grown(-3.0);
    for (Side side : {Side::Left, Side::Right, Side::Top, Side::Bottom}) {
        drawLeadRow(canvas, leadSpan, side, pinsPerSide, 3.0 + 4.0, 1.3);
    }
    drawEpoxyBody(canvas, body);
}

void drawRegulator(Canvas& canvas, const RectF& body) {
    const RectF tab{body.x + body.w * 0.2, body.y - 3.5, body.w * 0.6, 4.5};
    drawSmdPad(canvas, tab.grown(0.8));
    drawLead(canvas, tab);
    drawLeadRow(canvas, body, Side::Bottom, 3, 3.5, 2.0);
    drawEpoxyBody(canvas, body);
}

void drawElectrolyticCapacitor(Canvas& canvas, double cx, double cy, double radius) {
    const RectF base{cx - radius - 1.5, cy - radius - 1.5, 2 * radius + 3, 2 * radius + 3};
    canvas.dropShadow(base.moved(2, 3), 2.0, 3.0, 0.55);
    canvas.fillRoundedRect(base, 2.0, rgb(30, 30, 32));
    // Aluminium can lit from the upper left.
    canvas.shade(base, [&](double x, double y, Color& px) {
        const double d = std::hypot(x - cx, y - cy) / radius;
        if (d > 1.0)
            return;
        const double highlight = std::exp(-std::pow(
            std::hypot(x - cx + radius * 0.35, y - cy + radius * 0.35) / (radius * 0.55), 2.0));
        px = mix(mix(rgb(196, 198, 202), rgb(120, 122, 128), d * d), rgb(246, 246, 248),
                 0.6 * highlight);
        if (x < cx - radius * 0.5)
            px = mix(px, rgb(24, 26, 40), 0.85); // Polarity marking.
    });
    canvas.drawLine(cx - radius * 0.45, cy, cx + radius * 0.45, cy, 0.9, rgb(90, 92, 98));
    canvas.drawLine(cx, cy - radius * 0.45, cx, cy + radius * 0.45, 0.9, rgb(90, 92, 98));
}

void drawPowerInductor(Canvas& canvas, const RectF& body) {
    canvas.dropShadow(body.moved(2, 3), 2.5, 3.0, 0.55);
    canvas.fillRoundedRect(body, 2.5, rgb(74, 74, 76));
    canvas.fillVerticalGradient(body.grown(-1.2), 2.0, rgb(70, 70, 72), rgb(48, 48, 50));
    canvas.fillCircle(body.centerX(), body.centerY(), body.w * 0.3, rgb(58, 58, 60));
}

void drawCrystalOscillator(Canvas& canvas, const RectF& body) {
    canvas.dropShadow(body.moved(1.5, 2), 1.5, 2.0, 0.5);
    canvas.fillRoundedRect(body.grown(0.6), 1.8, rgb(96, 98, 102));
    canvas.fillVerticalGradient(body, 1.5, rgb(204, 206, 210), rgb(128, 130, 136));
    canvas.fillRoundedRect(body.grown(-1.8), 1.0, rgb(170, 172, 176), 0.6);
    canvas.fillCircle(body.x + 3, body.y + 3, 0.8, rgb(60, 60, 64));
}

void drawDipSwitch(Canvas& canvas, const RectF& body, std::array<bool, 4> leversOn) {
    const double pitch = body.w / 4;
    const double windowW = pitch * 0.62, windowH = body.h * 0.62;
    for (int i = 0; i < 4; ++i) {
        const double x = body.x + (i + 0.5) * pitch;
        for (double pinY : {body.y - 3.2, body.bottom()}) {
            const RectF pin{x - 1.0, pinY, 2.0, 3.2};
            canvas.fillRect(pin.grown(0.8), rgb(168, 170, 160));
            drawLead(canvas, pin);
        }
    }
    canvas.dropShadow(body.moved(2, 3), 1.5, 2.5, 0.6);
    canvas.fillRoundedRect(body, 1.4, rgb(150, 24, 24));
    canvas.fillVerticalGradient(body.grown(-0.8), 1.0, rgb(216, 46, 40), rgb(178, 30, 28));
    for (int i = 0; i < 4; ++i) {
        const RectF window{body.x + (i + 0.5) * pitch - windowW / 2, body.centerY() - windowH / 2,
                           windowW, windowH};
        canvas.fillRoundedRect(window, 0.6, rgb(58, 14, 14));
        const double leverH = windowH * 0.44;
        const RectF lever{window.x + 0.5,
                          leversOn[i] ? window.y + 0.5 : window.bottom() - 0.5 - leverH,
                          window.w - 1.0, leverH};
        canvas.fillRoundedRect(lever, 0.5, rgb(236, 236, 230));
        canvas.fillRect({lever.x, lever.bottom() - 1.0, lever.w, 1.0}, rgb(176, 176, 170));
    }
    // Small white marker on the "on" side, as moulded into most switch bodies.
    canvas.fillRect({body.x + 1.2, body.y + 1.0, 2.4, 1.2}, rgb(240, 240, 236), 0.9);
}

void drawThreePinHeader(Canvas& canvas, const RectF& base) {
    const double pitch = base.w / 3;
    const auto pinCenterX = [&](int pin) { return base.x + (pin + 0.5) * pitch; };
    canvas.dropShadow(base.moved(1.5, 2), 1.0, 2.0, 0.55);
    canvas.fillRoundedRect(base, 0.8, rgb(30, 30, 32));
    canvas.fillVerticalGradient(base.grown(-0.8), 0.5, rgb(84, 84, 88), rgb(50, 50, 54));
    const double pinSize = pitch * 0.36;
    for (int pin = 0; pin < 3; ++pin) {
        const RectF tip{pinCenterX(pin) - pinSize / 2, base.centerY() - pinSize / 2, pinSize,
                        pinSize};
        canvas.fillRect(tip.grown(0.6), rgb(110, 86, 40));
        canvas.fillVerticalGradient(tip, 0.2, rgb(252, 222, 136), rgb(200, 150, 60));
    }

    // The jumper cap over pins one and two stands taller than the header, so it throws a
    // longer shadow; the pin tips glint through the openings in its top.
    const RectF cap{base.x - 1.2, base.y - 2.2, 2 * pitch + 2.4, base.h + 4.4};
    canvas.dropShadow(cap.moved(2, 2), 1.5, 2, 0.7);
    canvas.fillRoundedRect(cap, 1.4, rgb(12, 12, 14));
    canvas.fillVerticalGradient(cap.grown(-1.0), 1.0, rgb(58, 58, 64), rgb(24, 24, 27));
    canvas.fillRect({cap.x + 1.5, cap.y + 0.9, cap.w - 3, 0.8}, rgb(140, 140, 150), 0.6);
    for (int pin = 0; pin < 2; ++pin) {
        const RectF opening{pinCenterX(pin) - 2.2, cap.centerY() - 2.2, 4.4, 4.4};
        canvas.fillRoundedRect(opening, 0.6, rgb(6, 6, 7));
        canvas.fillCircle(opening.centerX(), opening.centerY(), 1.4, rgb(236, 190, 96));
    }
}
