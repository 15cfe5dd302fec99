#include "board_photo.h"

#include "raster.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

namespace {

constexpr int kSupersampling = 3;

constexpr Color kSolderMask = rgb(24, 98, 54);
constexpr Color kCopper = rgb(44, 128, 66); // Copper seen through the solder mask.
constexpr Color kInk = rgb(226, 230, 220);
constexpr Color kTin = rgb(188, 190, 186);
constexpr Color kPad = rgb(168, 170, 160);

// The board runs off the right edge of the picture; the edge connector tab hangs below it.
constexpr double kBoardLeft = 16, kBoardBottom = 244;
constexpr RectF kBoard{kBoardLeft, 0, kPhotoWidth, kBoardBottom};
constexpr RectF kTab{140, kBoardBottom - 1, 200, 29};
constexpr double kFingerTop = 249, kFingerPitch = 3.5;
// The key notch splits the fingers into a short and a long row.
constexpr std::pair<double, double> kFingerRows[] = {{140, 177.5}, {182.5, 340}};
constexpr double fingerX(int row, int index) {
    return kFingerRows[row].first + 2.3 + index * kFingerPitch;
}

// The settings program circles these places, so the parts must stay inside them.
constexpr RectF kSwitchColumns[] = {{245, 8, 48, 144}, {475, 0, 48, 144}};
constexpr RectF kJumperArea{544, 0, 57, 17};
constexpr int kChannels = 4; // One switch package per channel in each column.

constexpr RectF kController{346, 34, 76, 76};
constexpr int kControllerPins = 18; // Per side.
constexpr RectF kDacs[] = {{146, 42, 20, 44}, {146, 132, 20, 44}};
constexpr int kDacPins = 8;
constexpr RectF opAmpBody(int channel) {
    return {94, 51.0 + 46 * channel, 13, 14};
}

enum class Side { Left, Right, Top, Bottom };

// Where the lead at `index` along `side` of a package ends, for attaching traces.
PointF leadEnd(const RectF& span, int count, int index, Side side, double reach) {
    const double alongX = span.x + (index + 0.5) * span.w / count;
    const double alongY = span.y + (index + 0.5) * span.h / count;
    switch (side) {
    case Side::Left:
        return {span.x - reach, alongY};
    case Side::Right:
        return {span.right() + reach, alongY};
    case Side::Top:
        return {alongX, span.y - reach};
    case Side::Bottom:
        break;
    }
    return {alongX, span.bottom() + reach};
}
PointF controllerLead(Side side, int index) {
    return leadEnd(kController.grown(-3), kControllerPins, index, side, 6);
}

// 5x7 dot patterns, one byte per row from the top, bit 4 being the leftmost dot.
constexpr std::pair<char, std::uint64_t> kGlyphs[] = {
    {'0', 0x0E11131519110E}, {'1', 0x040C040404040E}, {'2', 0x0E11010204081F},
    {'3', 0x1F02040201110E}, {'4', 0x02060A121F0202}, {'5', 0x1F101E0101110E},
    {'6', 0x0608101E11110E}, {'7', 0x1F010204080808}, {'8', 0x0E11110E11110E},
    {'C', 0x0E11101010110E}, {'H', 0x1111111F111111}, {'J', 0x0702020202120C},
    {'K', 0x11121418141211}, {'P', 0x1E11111E101010}, {'Q', 0x0E11111115120D},
    {'S', 0x0F10100E01011E}, {'W', 0x1111111515150A}, {'-', 0x0000001F000000}};

void drawLabel(Canvas& canvas, double x, double y, std::string_view text, double dot = 1.0) {
    for (char ch : text) {
        for (const auto& [glyph, rows] : kGlyphs) {
            for (int i = 0; glyph == ch && i < 35; ++i) {
                const int row = i / 5, col = i % 5;
                if ((rows >> (8 * (6 - row))) & (0x10 >> col)) {
                    const RectF cell{x + col * dot, y + row * dot, dot * 1.05, dot * 1.05};
                    canvas.fillRoundedRect(cell, dot * 0.3, kInk, 0.92);
                }
            }
        }
        x += 6 * dot;
    }
}

void drawOutline(Canvas& canvas, const RectF& r) {
    const PointF corners[] = {
        {r.x, r.y}, {r.right(), r.y}, {r.right(), r.bottom()}, {r.x, r.bottom()}};
    for (int i = 0; i < 4; ++i)
        canvas.drawLine(corners[i], corners[(i + 1) % 4], 0.8, kInk, 0.9);
}

void drawTrace(Canvas& canvas, std::initializer_list<PointF> points, double width = 1.2) {
    for (const PointF* p = points.begin(); p + 1 < points.end(); ++p)
        canvas.drawLine(p[0], p[1], width, kCopper);
}

// Straight run, a 45-degree turn into a crossing run at `turn`, and straight again into `to`;
// the runs start horizontally, or vertically if `verticalFirst`.
void drawJoggedTrace(Canvas& canvas, PointF from, PointF to, double turn,
                     bool verticalFirst = false) {
    const auto flip = [&](PointF p) { return verticalFirst ? PointF{p.y, p.x} : p; };
    const PointF a = flip(from), b = flip(to);
    const double c = std::min(3.0, std::abs(b.y - a.y) / 2), down = b.y >= a.y ? c : -c;
    const double in = turn >= a.x ? c : -c, out = b.x >= turn ? c : -c;
    const PointF path[] = {
        a, {turn - in, a.y}, {turn, a.y + down}, {turn, b.y - down}, {turn + out, b.y}, b};
    for (int i = 0; i + 1 < 6; ++i)
        canvas.drawLine(flip(path[i]), flip(path[i + 1]), 1.2, kCopper);
}

void drawVia(Canvas& canvas, PointF p) {
    canvas.fillCircle(p, 1.7, kCopper);
    canvas.fillCircle(p, 1.2, rgb(150, 158, 120));
    canvas.fillCircle(p, 0.6, rgb(24, 40, 28));
}

// A tinned lead on its pad, with a bright ridge where the bend catches the light.
void drawLead(Canvas& canvas, const RectF& lead) {
    canvas.fillRect(lead.grown(0.7), kPad);
    canvas.fillRect(lead, kTin);
    canvas.fillRect(lead.w > lead.h ? RectF{lead.x, lead.centerY() - 0.3, lead.w, 0.6}
                                    : RectF{lead.centerX() - 0.3, lead.y, 0.6, lead.h},
                    rgb(236, 236, 232), 0.7);
}

// `count` evenly spaced leads along one side of `span`, reaching `length` beyond it.
void drawLeadRow(Canvas& canvas, const RectF& span, Side side, int count, double length,
                 double width = 1.4) {
    for (int i = 0; i < count; ++i) {
        const PointF root = leadEnd(span, count, i, side, 0);
        const PointF tip = leadEnd(span, count, i, side, length);
        drawLead(canvas, root.y == tip.y
                             ? RectF{std::min(root.x, tip.x), root.y - width / 2, length, width}
                             : RectF{root.x - width / 2, std::min(root.y, tip.y), width, length});
    }
}

// Moulded package top: a dark slab with a sheen, a pin-one dimple and faint laser marking.
void drawEpoxyBody(Canvas& canvas, const RectF& body) {
    canvas.dropShadow(body.moved(1.6, 2.2), 1.0, 2.0, 0.55);
    canvas.fillRoundedRect(body, 0.8, rgb(62, 62, 66));
    canvas.shade(body.grown(-0.7), [&](double x, double y, Color& px) {
        const double t = ((x - body.x) / body.w + (y - body.y) / body.h) / 2;
        px = mix(rgb(56, 56, 60), rgb(32, 32, 35), std::sqrt(t));
    });
    const double dimple = std::min(body.w, body.h) * 0.09 + 0.6;
    canvas.fillCircle({body.x + 2 * dimple, body.y + 2 * dimple}, dimple, rgb(22, 22, 24));
    Prng rng(std::uint64_t(body.x * 131 + body.y * 977)); // Own, repeatable marking per part.
    const int lines = body.h > 30 ? 3 : body.h > 10 ? 2 : 1;
    for (int line = 0; line < lines; ++line) {
        const double y = body.centerY() + (line - (lines - 1) / 2.0) * 4.0 - 0.8;
        for (double x = body.x + body.w * 0.28; x < body.right() - body.w * 0.25;) {
            const double w = rng.uniform(0.8, 2.6);
            canvas.fillRect({x, y, w, 1.6}, rgb(92, 92, 96), 0.6);
            x += w + rng.uniform(0.5, 1.2);
        }
    }
}

// Leads on two opposite sides make a small-outline package, on all four a quad flat pack.
void drawIc(Canvas& canvas, const RectF& body, int pinsPerSide, std::initializer_list<Side> sides) {
    const bool quad = sides.size() == 4;
    for (Side side : sides)
        drawLeadRow(canvas, body.grown(quad ? -3 : 0), side, pinsPerSide, quad ? 7 : 3.2);
    drawEpoxyBody(canvas, body);
}

// Chip resistor or capacitor: tinned end caps around a black or a tan body.
void drawChipPart(Canvas& canvas, PointF center, bool vertical, bool capacitor) {
    const auto centered = [&](double along, double across) {
        return vertical ? RectF{center.x - across / 2, center.y - along / 2, across, along}
                        : RectF{center.x - along / 2, center.y - across / 2, along, across};
    };
    const RectF body = centered(6.2, 3.3);
    canvas.fillRect(body.grown(0.5), kPad);
    canvas.dropShadow(body.moved(0.8, 1.0), 0.3, 1.0, 0.4);
    canvas.fillRect(body, kTin);
    canvas.fillRect(centered(capacitor ? 3.6 : 3.2, 3.3),
                    capacitor ? rgb(172, 132, 92) : rgb(26, 26, 28));
}

void drawElectrolyticCapacitor(Canvas& canvas, PointF c, double radius) {
    const RectF base = RectF{c.x, c.y, 0, 0}.grown(radius + 1.5);
    canvas.dropShadow(base.moved(2, 3), 2.0, 3.0, 0.55);
    canvas.fillRoundedRect(base, 2.0, rgb(30, 30, 32));
    // Aluminium can lit from the upper left, with the dark polarity band on the left.
    canvas.shade(base, [&](double x, double y, Color& px) {
        const double d = std::hypot(x - c.x, y - c.y) / radius;
        const double shine = std::hypot(x - c.x + radius * 0.35, y - c.y + radius * 0.35) / radius;
        if (d <= 1.0)
            px = mix(mix(rgb(196, 198, 202), rgb(120, 122, 128), d * d), rgb(246, 246, 248),
                     0.6 * std::exp(-shine * shine * 3.3));
        if (d <= 1.0 && x < c.x - radius * 0.5)
            px = mix(px, rgb(24, 26, 40), 0.85);
    });
    const double vent = radius * 0.45;
    canvas.drawLine({c.x - vent, c.y}, {c.x + vent, c.y}, 0.9, rgb(90, 92, 98));
    canvas.drawLine({c.x, c.y - vent}, {c.x, c.y + vent}, 0.9, rgb(90, 92, 98));
}

void drawPowerInductor(Canvas& canvas, const RectF& body) {
    canvas.dropShadow(body.moved(2, 3), 2.5, 3.0, 0.55);
    canvas.fillRoundedRect(body, 2.5, rgb(74, 74, 76));
    canvas.fillGradient(body.grown(-1.2), 2.0, rgb(70, 70, 72), rgb(48, 48, 50));
    canvas.fillCircle({body.centerX(), body.centerY()}, body.w * 0.3, rgb(58, 58, 60));
}

// Four-position DIP switch lying on its side: levers in a row, pins along the long edges.
// Bit i of `leversOn` puts lever i in the upper, "on", position.
void drawDipSwitch(Canvas& canvas, const RectF& body, unsigned leversOn) {
    drawLeadRow(canvas, body, Side::Top, 4, 3.2, 2.0);
    drawLeadRow(canvas, body, Side::Bottom, 4, 3.2, 2.0);
    canvas.dropShadow(body.moved(2, 3), 1.5, 2.5, 0.6);
    canvas.fillRoundedRect(body, 1.4, rgb(150, 24, 24));
    canvas.fillGradient(body.grown(-0.8), 1.0, rgb(216, 46, 40), rgb(178, 30, 28));
    const double pitch = body.w / 4, windowW = pitch * 0.62, windowH = body.h * 0.62;
    for (int i = 0; i < 4; ++i) {
        const RectF window{body.x + (i + 0.5) * pitch - windowW / 2, body.centerY() - windowH / 2,
                           windowW, windowH};
        canvas.fillRoundedRect(window, 0.6, rgb(58, 14, 14));
        const double leverH = windowH * 0.44;
        const double leverY = (leversOn >> i) & 1 ? window.y + 0.5 : window.bottom() - 0.5 - leverH;
        const RectF lever{window.x + 0.5, leverY, window.w - 1.0, leverH};
        canvas.fillRoundedRect(lever, 0.5, rgb(236, 236, 230));
        canvas.fillRect({lever.x, lever.bottom() - 1.0, lever.w, 1.0}, rgb(176, 176, 170));
    }
}

// Three gold pins in a row; a jumper cap sits on the first two.
void drawThreePinHeader(Canvas& canvas, const RectF& base) {
    const double pitch = base.w / 3, pinSize = pitch * 0.36;
    canvas.dropShadow(base.moved(1.5, 2), 1.0, 2.0, 0.55);
    canvas.fillRoundedRect(base, 0.8, rgb(30, 30, 32));
    canvas.fillGradient(base.grown(-0.8), 0.5, rgb(84, 84, 88), rgb(50, 50, 54));
    for (int pin = 0; pin < 3; ++pin) {
        const RectF tip =
            RectF{base.x + (pin + 0.5) * pitch, base.centerY(), 0, 0}.grown(pinSize / 2);
        canvas.fillRect(tip.grown(0.6), rgb(110, 86, 40));
        canvas.fillGradient(tip, 0.2, rgb(252, 222, 136), rgb(200, 150, 60));
    }
    // The cap stands taller than the header, so it throws a longer shadow; the pin tips glint
    // through the openings in its top.
    const RectF cap{base.x - 1.2, base.y - 2.2, 2 * pitch + 2.4, base.h + 4.4};
    canvas.dropShadow(cap.moved(2, 2), 1.5, 2, 0.7);
    canvas.fillRoundedRect(cap, 1.4, rgb(12, 12, 14));
    canvas.fillGradient(cap.grown(-1.0), 1.0, rgb(58, 58, 64), rgb(24, 24, 27));
    canvas.fillRect({cap.x + 1.5, cap.y + 0.9, cap.w - 3, 0.8}, rgb(140, 140, 150), 0.6);
    for (int pin = 0; pin < 2; ++pin) {
        const PointF center{base.x + (pin + 0.5) * pitch, cap.centerY()};
        canvas.fillRoundedRect(RectF{center.x, center.y, 0, 0}.grown(2.2), 0.6, rgb(6, 6, 7));
        canvas.fillCircle(center, 1.4, rgb(236, 190, 96));
    }
}

// Green coating, lighter towards the top edge and a little blotchy, as a real coat is.
void fillWithSolderMask(Canvas& canvas, const RectF& area, double radius) {
    const Color top = mix(kSolderMask, rgb(60, 130, 80), 0.25);
    canvas.shade(area, [&](double x, double y, Color& px) {
        if (roundedRectDistance(area, radius, x, y) > 0)
            return;
        const double unevenness =
            0.05 * smoothNoise(x, y, 23, 11) + 0.02 * smoothNoise(x, y, 5, 12);
        px = scaled(mix(top, kSolderMask, std::min(y / kBoardBottom, 1.0)), 1.0 + unevenness);
    });
}

// The dark table under the card, the card's shadow on it, then the coated board itself.
void drawSolderMask(Canvas& canvas) {
    canvas.fillGradient({0, 0, kPhotoWidth, kPhotoHeight}, 0, rgb(70, 72, 78), rgb(40, 41, 46));
    canvas.dropShadow(kBoard.moved(2, 5), 2, 6, 0.7);
    canvas.dropShadow(kTab.moved(2, 4), 2, 5, 0.7);
    fillWithSolderMask(canvas, kBoard, 0);
    fillWithSolderMask(canvas, {kTab.x, kTab.y, kTab.w, 8}, 0);
    for (const auto& [left, right] : kFingerRows)
        fillWithSolderMask(canvas, {left, kTab.y, right - left, kTab.h}, 1.2);
    // Milled edges of the laminate catch the light.
    canvas.fillRect({kBoardLeft, 0, kPhotoWidth, 0.9}, rgb(150, 176, 120), 0.7);
    canvas.fillRect({kBoardLeft, kBoardBottom - 0.9, kPhotoWidth, 0.9}, rgb(120, 150, 96), 0.6);
}

void drawEdgeConnector(Canvas& canvas) {
    for (int row = 0; row < 2; ++row) {
        const auto [left, right] = kFingerRows[row];
        // The solder mask is open over the fingers and shows bare laminate between them.
        canvas.fillRect({left, kFingerTop - 2, right - left, kTab.bottom() - kFingerTop + 1},
                        rgb(92, 118, 64));
        for (int i = 0; fingerX(row, i) + 1.2 < right; ++i) {
            // Some fingers are shorter so that they make contact last, like presence pins.
            const double top = i % 8 == 3 ? kFingerTop + 3 : kFingerTop;
            const RectF finger{fingerX(row, i) - 1.15, top, 2.3, kTab.bottom() - 2 - top};
            canvas.fillGradient(finger, 0.3, rgb(236, 196, 104), rgb(184, 138, 58), false);
            canvas.fillRect({finger.x + 0.5, finger.y, 0.6, finger.h}, rgb(255, 232, 160), 0.5);
        }
    }
}

void drawTraces(Canvas& canvas) {
    // Fingers that carry power and ground drop straight into vias.
    for (int i = 0; i < 10; ++i) {
        const PointF via{fingerX(0, i), i % 2 ? 236.0 : 241.0};
        drawTrace(canvas, {{via.x, kFingerTop}, via});
        drawVia(canvas, via);
    }
    // Host lanes from the controller to the connector, each through a series capacitor.
    for (int lane = 0; lane < 8; ++lane) {
        const PointF finger{fingerX(1, 14 + 2 * lane), kFingerTop};
        drawJoggedTrace(canvas, controllerLead(Side::Bottom, 10 + lane), finger, 200 + lane * 3.4,
                        true);
        drawChipPart(canvas, {finger.x, 236}, true, true);
    }
    // Analog outputs: converter to amplifier to connector pin.
    for (int ch = 0; ch < kChannels; ++ch) {
        const RectF amp = opAmpBody(ch);
        drawJoggedTrace(canvas, {69, 94.1 + 28.2 * ch}, leadEnd(amp, 4, 0, Side::Left, 2.5),
                        80 - ch * 2);
        drawJoggedTrace(canvas, leadEnd(amp, 4, 1, Side::Right, 2.5),
                        leadEnd(kDacs[ch / 2], kDacPins, 1 + 3 * (ch % 2), Side::Left, 2.5),
                        136 - (ch % 2) * 4);
    }
    // Converter data lines: the upper one's go to inner layers, the lower one's to the controller.
    for (int pin = 0; pin < kDacPins; ++pin) {
        const PointF lead = leadEnd(kDacs[0], kDacPins, pin, Side::Right, 2.5);
        drawTrace(canvas, {lead, {176.0 + pin % 2 * 5, lead.y}});
        drawVia(canvas, {176.0 + pin % 2 * 5, lead.y});
    }
    for (int pin = 2; pin < kDacPins; ++pin) {
        const PointF lead = leadEnd(kDacs[1], kDacPins, pin, Side::Right, 2.5);
        const PointF target = controllerLead(Side::Bottom, pin - 2);
        drawTrace(canvas, {lead, {target.x - 3, lead.y}, {target.x, lead.y - 3}, target});
    }
    // Switch lines leave the columns between the packages.
    for (int gap = 1; gap < kChannels; ++gap) {
        const PointF left{297, kSwitchColumns[0].y + 36 * gap};
        const PointF right{471, kSwitchColumns[1].y + 36 * gap};
        drawJoggedTrace(canvas, left, controllerLead(Side::Left, 6 * gap - 4), 319 + gap * 3);
        drawJoggedTrace(canvas, right, controllerLead(Side::Right, 6 * gap - 3), 449 - gap * 3);
        drawVia(canvas, left);
        drawVia(canvas, right);
    }
    // Wide supply traces.
    for (double x : {550.0, 580.0})
        drawTrace(canvas, {{x, 56}, {x, 76}}, 3.0);
    drawTrace(canvas, {{552, 110}, {552, 124}}, 3.0);
    drawTrace(canvas, {{540, 137}, {515, 137}, {505, 147}, {505, 198}, {495, 208}, {440, 208}},
              2.4);
    drawTrace(canvas, {{30, 222}, {120, 222}, {130, 212}, {130, 190}}, 2.4);
    for (PointF end : {PointF{440, 208}, PointF{30, 222}, PointF{130, 190}})
        drawVia(canvas, end);
    // Rows of vias along the edges tie the ground planes together.
    for (const auto& [from, to, y] : {std::tuple{26, 226, 4}, {306, 456, 4}, {352, 572, 240}}) {
        for (int x = from; x <= to; x += 10)
            drawVia(canvas, {double(x), double(y)});
    }
}

void drawSilkscreen(Canvas& canvas) {
    drawOutline(canvas, kController.grown(7));
    canvas.fillCircle({kController.x - 9, kController.y - 9}, 1.2, kInk);
    for (int ch = 0; ch < kChannels; ++ch)
        drawLabel(canvas, opAmpBody(ch).x, opAmpBody(ch).y - 11, "CH" + std::to_string(ch));
    drawLabel(canvas, kJumperArea.x + 9, 21, "JP1");
    drawLabel(canvas, 440, 226, "KQ-300", 1.5);
    drawOutline(canvas, {20, 56, 48, 162});
}

void drawPassives(Canvas& canvas) {
    for (int ch = 0; ch < kChannels; ++ch) {
        const RectF amp = opAmpBody(ch);
        drawChipPart(canvas, {124, amp.centerY() - 4.5}, false, false);
        drawChipPart(canvas, {124, amp.centerY() + 4.5}, false, false);
        drawChipPart(canvas, {84, amp.centerY() + 12}, false, true);
    }
    for (const RectF& dac : kDacs) {
        drawChipPart(canvas, {dac.centerX(), dac.y - 9}, false, true);
        drawChipPart(canvas, {dac.centerX(), dac.bottom() + 9}, false, true);
    }
    const PointF capacitors[] = {{336, 50}, {336, 96},  {432, 52},  {432, 92},  {372, 24},
                                 {400, 24}, {372, 120}, {196, 140}, {208, 140}, {590, 120},
                                 {34, 18},  {34, 28},   {176, 226}, {205, 226}, {222, 205}};
    for (PointF p : capacitors)
        drawChipPart(canvas, p, p.x < 340 || p.x > 430, true);
    const PointF resistors[] = {{196, 80},  {208, 80},  {378, 178}, {330, 150}, {530, 196},
                                {542, 196}, {554, 196}, {60, 228},  {72, 228},  {50, 22},
                                {60, 22},   {590, 170}, {590, 200}};
    for (PointF p : resistors)
        drawChipPart(canvas, p, true, false);
}

void drawChips(Canvas& canvas) {
    using enum Side;
    drawIc(canvas, kController, kControllerPins, {Left, Right, Top, Bottom});
    for (const RectF& dac : kDacs)
        drawIc(canvas, dac, kDacPins, {Left, Right});
    for (int ch = 0; ch < kChannels; ++ch)
        drawIc(canvas, opAmpBody(ch), 4, {Left, Right});
    drawIc(canvas, {195, 100, 13, 14}, 4, {Top, Bottom}); // Voltage reference.
    drawIc(canvas, {350, 150, 13, 12}, 4, {Left, Right}); // Configuration memory.
    drawIc(canvas, {74, 15, 12, 7}, 3, {Top, Bottom});    // Output protection.
    drawIc(canvas, {172, 200, 13, 12}, 4, {Left, Right}); // Analog supply converter.
    drawIc(canvas, {562, 180, 13, 12}, 4, {Left, Right}); // Supply monitor.
    drawPowerInductor(canvas, {196, 196, 18, 18});
}

void drawPowerSupply(Canvas& canvas) {
    for (double x : {540.0, 570.0}) {
        const RectF regulator{x, 45, 20, 11};
        drawLead(canvas, {x + 4, 41.5, 12, 4.5}); // Heat tab.
        drawIc(canvas, regulator, 3, {Side::Bottom});
        drawElectrolyticCapacitor(canvas, {x + 12 + (x - 540) / 15, 92}, 12);
    }
    drawPowerInductor(canvas, {541, 125, 24, 24});
    drawChipPart(canvas, {575, 140}, true, true);
}

// One switch package per channel, stacked down the column, labelled on the left.
void drawDipSwitchColumn(Canvas& canvas, const RectF& column, int firstNumber) {
    constexpr unsigned kLeverPatterns[kChannels] = {0b1001, 0b0010, 0b1011, 0b0100};
    const double slot = column.h / kChannels;
    for (int i = 0; i < kChannels; ++i) {
        const RectF body{column.x + 6, column.y + i * slot + 6, column.w - 12, slot - 12};
        const std::string label = "SW" + std::to_string(firstNumber + i);
        drawOutline(canvas, body.grown(1.6));
        drawLabel(canvas, column.x - 1 - 6.0 * label.size(), body.centerY() - 3.5, label);
        drawDipSwitch(canvas, body, kLeverPatterns[(i + firstNumber) % kChannels]);
    }
}

void drawJumperHeader(Canvas& canvas) {
    const RectF base{kJumperArea.x + 6, kJumperArea.y + 4, 45, 9};
    drawOutline(canvas, base.grown(2.5));
    drawThreePinHeader(canvas, base);
}

// Right-angle D-sub output connector: plastic body on the board, metal board locks and two
// staggered rows of soldered pins behind it.
void drawOutputConnector(Canvas& canvas) {
    const RectF body{21, 74, 36, 126};
    canvas.dropShadow(body.moved(3, 4), 1.5, 4, 0.65);
    canvas.fillGradient(body, 1.5, rgb(58, 58, 62), rgb(30, 30, 33), false);
    for (double y : {61.0, 201.0}) {
        const RectF lock{21, y, 30, 12};
        canvas.dropShadow(lock.moved(1.5, 2), 1, 2, 0.5);
        canvas.fillGradient(lock, 1, rgb(216, 218, 220), rgb(150, 152, 156));
        canvas.fillCircle({41, y + 6}, 3, rgb(120, 122, 126));
        canvas.fillCircle({40.5, y + 5.5}, 2, rgb(226, 228, 230));
    }
    for (int row = 0; row < 2; ++row) {
        for (int pin = 0; pin < 13 - row; ++pin) {
            const PointF joint{63.0 + 6 * row, 80 + 4.7 * row + 9.4 * pin};
            canvas.fillCircle(joint, 2.6, rgb(150, 156, 120));
            canvas.fillCircle(joint, 1.9, kTin);
            canvas.fillCircle({joint.x - 0.6, joint.y - 0.6}, 0.8, rgb(246, 246, 244));
        }
    }
}

// Zinc-plated steel bracket with brushed grain, its tongue below the card and the connector's
// screw locks.
void drawBracket(Canvas& canvas) {
    for (const RectF& part : {RectF{0, -2, kBoardLeft + 1, 256}, RectF{4, 240, 9, 40}}) {
        canvas.dropShadow(part.moved(2, 2), 0.5, 3, 0.5);
        canvas.shade(part, [&](double x, double y, Color& px) {
            const double t = (x - part.x) / part.w,
                         grain = positionNoise(int(x * 6), int(y / 6), 7);
            const Color metal =
                t < 0.62 ? mix(rgb(118, 120, 126), rgb(214, 216, 220), t / 0.62)
                         : mix(rgb(214, 216, 220), rgb(146, 148, 154), (t - 0.62) / 0.38);
            px = scaled(metal, 1.0 + 0.05 * grain);
        });
    }
    canvas.fillGradient({kBoardLeft, 56, 6, 162}, 1, rgb(230, 232, 234), rgb(140, 142, 146), false);
    for (double y : {66.0, 208.0}) {
        canvas.dropShadow({2.5, y - 4.5, 11, 11}, 5.5, 1.5, 0.6);
        canvas.fillCircle({8, y}, 5.5, rgb(104, 106, 110));
        canvas.fillGradient({3.5, y - 4.5, 9, 9}, 4.5, rgb(236, 236, 238), rgb(150, 152, 156));
        canvas.drawLine({5, y}, {11, y}, 1.2, rgb(70, 72, 76));
    }
}

RgbImage toRgbImage(const Raster& image) {
    RgbImage out{image.width, image.height, {}};
    out.samples.reserve(image.pixels.size() * 3);
    for (const Color& px : image.pixels) {
        for (double v : {px.r, px.g, px.b})
            out.samples.push_back(std::uint8_t(std::clamp(std::lround(v), 0L, 255L)));
    }
    return out;
}

} // namespace

RgbImage renderBoardPhoto() {
    Canvas canvas(kPhotoWidth, kPhotoHeight, kSupersampling);
    drawSolderMask(canvas);
    drawTraces(canvas);
    drawEdgeConnector(canvas);
    drawSilkscreen(canvas);
    drawPassives(canvas);
    drawChips(canvas);
    drawPowerSupply(canvas);
    drawDipSwitchColumn(canvas, kSwitchColumns[0], 1);
    drawDipSwitchColumn(canvas, kSwitchColumns[1], 5);
    drawJumperHeader(canvas);
    drawOutputConnector(canvas);
    drawBracket(canvas);

    Raster photo = canvas.downsampled();
    Prng grain(0x4B51333030ull);
    developPhoto(photo, {0.35 * kPhotoWidth, 0.25 * kPhotoHeight}, grain);
    return toRgbImage(photo);
}
