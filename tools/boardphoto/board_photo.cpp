#include "board_photo.h"

#include "components.h"

#include <string>

namespace {

constexpr int kSupersampling = 3;

// Card outline: the board runs off the right edge of the picture; the edge connector tab
// hangs below the bottom edge of the board.
constexpr double kBoardLeft = 16;
constexpr double kBoardBottom = 244;
constexpr RectF kBoard{kBoardLeft, 0, kPhotoWidth, kBoardBottom};
constexpr RectF kConnectorTab{140, kBoardBottom - 1, 200, 29};
constexpr double kFingerTop = 249;
constexpr double kFingerPitch = 3.5;
struct FingerRow {
    double left, right;
};
// The key notch splits the fingers into a short and a long row.
constexpr FingerRow kFingerRows[] = {{140, 177.5}, {182.5, 340}};
constexpr double fingerCenterX(const FingerRow& row, int index) {
    return row.left + 2.3 + index * kFingerPitch;
}

// Parts the settings program points at; they must stay inside these rectangles.
constexpr RectF kFirstSwitchColumn{245, 8, 48, 144};
constexpr RectF kSecondSwitchColumn{475, 0, 48, 144};
constexpr RectF kJumperArea{544, 0, 57, 17};
constexpr int kSwitchesPerColumn = 4;

constexpr RectF kController{346, 34, 76, 76};
constexpr int kControllerPinsPerSide = 18;
constexpr RectF kDacs[] = {{146, 42, 20, 44}, {146, 132, 20, 44}};
constexpr int kDacPinsPerSide = 8;
constexpr int kChannels = 4;
constexpr double channelCenterY(int channel) {
    return 58 + 46 * channel;
}
constexpr RectF opAmpBody(int channel) {
    return {94, channelCenterY(channel) - 7, 13, 14};
}

// Where a lead of a package ends on its pad, for attaching traces.
PointF leadEnd(const RectF& body, int pinsPerSide, int index, bool rightSide, double reach) {
    const double y = body.y + (index + 0.5) * body.h / pinsPerSide;
    return {rightSide ? body.right() + reach : body.x - reach, y};
}
PointF controllerBottomLead(int index) {
    const RectF span = kController.grown(-3.0);
    return {span.x + (index + 0.5) * span.w / kControllerPinsPerSide, kController.bottom() + 3};
}
PointF controllerSideLead(int index, bool rightSide) {
    const RectF span = kController.grown(-3.0);
    return {rightSide ? kController.right() + 3 : kController.x - 3,
            span.y + (index + 0.5) * span.h / kControllerPinsPerSide};
}

// Horizontal run, 45-degree turn into a vertical run at turnX, and back to horizontal.
void drawJoggedTrace(Canvas& canvas, PointF from, PointF to, double turnX, double width = 1.2) {
    const double down = to.y >= from.y ? 1 : -1;
    const double c = std::min(3.0, std::abs(to.y - from.y) / 2);
    const double in = turnX >= from.x ? 1 : -1, out = to.x >= turnX ? 1 : -1;
    drawTrace(canvas,
              {from,
               {turnX - in * c, from.y},
               {turnX, from.y + down * c},
               {turnX, to.y - down * c},
               {turnX + out * c, to.y},
               to},
              width);
}

// Vertical run, turn into a horizontal run at turnY, and back to vertical.
void drawJoggedTraceVertically(Canvas& canvas, PointF from, PointF to, double turnY) {
    const double right = to.x >= from.x ? 1 : -1;
    const double c = std::min(3.0, std::abs(to.x - from.x) / 2);
    drawTrace(canvas, {from,
                       {from.x, turnY - c},
                       {from.x + right * c, turnY},
                       {to.x - right * c, turnY},
                       {to.x, turnY + c},
                       to});
}

void drawBackground(Canvas& canvas) {
    canvas.fillVerticalGradient({0, 0, kPhotoWidth, kPhotoHeight}, 0, rgb(70, 72, 78),
                                rgb(40, 41, 46));
}

// Green coating, lighter towards the top edge and a little uneven, as a real coat is.
Color solderMaskColor(double x, double y) {
    const Color top = mix(palette::kSolderMask, rgb(60, 130, 80), 0.25);
    const Color base = mix(top, palette::kSolderMask, std::clamp(y / kBoardBottom, 0.0, 1.0));
    return scaled(base,
                  1.0 + 0.05 * smoothNoise(x, y, 23.0, 11) + 0.02 * smoothNoise(x, y, 5.0, 12));
}

void fillWithSolderMask(Canvas& canvas, const RectF& area, double radius) {
    canvas.shade(area, [&](double x, double y, Color& px) {
        if (roundedRectDistance(area, radius, x, y) <= 0)
            px = solderMaskColor(x, y);
    });
}

void drawSolderMask(Canvas& canvas) {
    canvas.dropShadow(kBoard.moved(2, 5), 2, 6, 0.7);
    canvas.dropShadow(kConnectorTab.moved(2, 4), 2, 5, 0.7);
    fillWithSolderMask(canvas, kBoard, 0);
    // The tab is cut around the key notch, with rounded lower corners.
    fillWithSolderMask(canvas, {kConnectorTab.x, kConnectorTab.y, kConnectorTab.w, 8}, 0);
    for (const FingerRow& row : kFingerRows) {
        fillWithSolderMask(canvas,
                           {row.left, kConnectorTab.y, row.right - row.left, kConnectorTab.h}, 1.2);
    }
    // Milled edges of the laminate catch the light.
    canvas.fillRect({kBoardLeft, 0, kPhotoWidth, 0.9}, rgb(150, 176, 120), 0.7);
    canvas.fillRect({kBoardLeft, kBoardBottom - 0.9, kPhotoWidth, 0.9}, rgb(120, 150, 96), 0.6);
}

// Rows of vias along the top and bottom edges tie the ground planes together.
void drawStitchingVias(Canvas& canvas) {
    const auto row = [&](double from, double to, double y) {
        for (double x = from; x <= to; x += 10)
            drawVia(canvas, x, y);
    };
    row(26, 226, 4);
    row(306, 456, 4);
    row(22, 132, 240);
    row(352, 572, 240);
}

void drawEdgeConnector(Canvas& canvas) {
    for (const FingerRow& row : kFingerRows) {
        // Opening in the solder mask over the fingers shows bare laminate.
        canvas.fillRect({row.left, kFingerTop - 2, row.right - row.left,
                         kConnectorTab.bottom() - kFingerTop + 1},
                        rgb(92, 118, 64));
        for (int i = 0; fingerCenterX(row, i) + 1.2 < row.right; ++i) {
            // Every eighth finger is shorter, as hot-plug detect contacts are.
            const double top = (i % 8 == 3) ? kFingerTop + 3 : kFingerTop;
            const RectF finger{fingerCenterX(row, i) - 1.15, top, 2.3,
                               kConnectorTab.bottom() - 2 - top};
            canvas.fillHorizontalGradient(finger, 0.3, rgb(236, 196, 104), rgb(184, 138, 58));
            canvas.fillRect({finger.x + 0.5, finger.y, 0.6, finger.h}, rgb(255, 232, 160), 0.5);
        }
    }
}

void drawFingerViasAndLanes(Canvas& canvas) {
    for (int i = 0; i < 10; ++i) {
        const double x = fingerCenterX(kFingerRows[0], i);
        const double viaY = (i % 2) ? 236 : 241;
        drawTrace(canvas, {{x, kFingerTop}, {x, viaY}});
        drawVia(canvas, x, viaY);
    }
    for (int i = 0; i < 12; i += 2) {
        const double x = fingerCenterX(kFingerRows[1], i);
        drawTrace(canvas, {{x, kFingerTop}, {x, 238}});
        drawVia(canvas, x, 238);
    }
}

// Lanes from the controller to the edge connector, each with its series capacitor.
void drawHostBus(Canvas& canvas) {
    for (int lane = 0; lane < 8; ++lane) {
        const PointF from = controllerBottomLead(10 + lane);
        const PointF to{fingerCenterX(kFingerRows[1], 14 + 2 * lane), kFingerTop};
        drawJoggedTraceVertically(canvas, from, to, 200 + lane * 3.4);
        drawChipCapacitor(canvas, to.x, 236, true);
    }
}

void drawAnalogTraces(Canvas& canvas) {
    for (int ch = 0; ch < kChannels; ++ch) {
        const RectF opAmp = opAmpBody(ch);
        const double jointY = 84.7 + 9.4 * (1 + 3 * ch);
        drawJoggedTrace(canvas, {69, jointY}, leadEnd(opAmp, 4, 0, false, 2.5), 80 - ch * 2);
        const PointF opAmpIn = leadEnd(opAmp, 4, 1, true, 2.5);
        const PointF dacOut = leadEnd(kDacs[ch / 2], kDacPinsPerSide, 1 + 3 * (ch % 2), false, 2.5);
        drawJoggedTrace(canvas, opAmpIn, dacOut, 136 - (ch % 2) * 4);
        drawTrace(canvas, {leadEnd(opAmp, 4, 3, true, 2.5), {116, opAmp.bottom() + 4}});
        drawVia(canvas, 116, opAmp.bottom() + 4);
    }
    // The upper converter's digital pins drop through vias; the lower one runs to the controller.
    for (int pin = 0; pin < kDacPinsPerSide; ++pin) {
        const PointF lead = leadEnd(kDacs[0], kDacPinsPerSide, pin, true, 2.5);
        const double viaX = 176 + (pin % 2) * 5;
        drawTrace(canvas, {lead, {viaX, lead.y}});
        drawVia(canvas, viaX, lead.y);
    }
    for (int pin = 2; pin < kDacPinsPerSide; ++pin) {
        const PointF lead = leadEnd(kDacs[1], kDacPinsPerSide, pin, true, 2.5);
        const PointF target = controllerBottomLead(pin - 2);
        drawTrace(canvas, {lead, {target.x - 3, lead.y}, {target.x, lead.y - 3}, target});
    }
}

void drawSwitchTraces(Canvas& canvas) {
    for (int gap = 0; gap < kSwitchesPerColumn - 1; ++gap) {
        const double y1 = kFirstSwitchColumn.y + 36 * (gap + 1);
        drawVia(canvas, 297, y1);
        drawJoggedTrace(canvas, {297, y1}, controllerSideLead(2 + 6 * gap, false), 322 + gap * 3);
        const double y2 = kSecondSwitchColumn.y + 36 * (gap + 1);
        drawVia(canvas, 471, y2);
        drawJoggedTrace(canvas, {471, y2}, controllerSideLead(3 + 6 * gap, true), 446 - gap * 3);
    }
}

void drawPowerTraces(Canvas& canvas) {
    drawTrace(canvas, {{550, 56}, {550, 76}}, 3.0);
    drawTrace(canvas, {{580, 56}, {580, 76}}, 3.0);
    drawTrace(canvas, {{552, 110}, {552, 124}}, 3.0);
    drawTrace(canvas, {{540, 137}, {515, 137}, {505, 147}, {505, 198}, {495, 208}, {440, 208}},
              2.4);
    drawTrace(canvas, {{189, 206}, {196, 206}}, 2.4);
    drawTrace(canvas, {{30, 222}, {120, 222}, {130, 212}, {130, 190}}, 2.4);
    for (const PointF& end : {PointF{440, 208}, PointF{30, 222}, PointF{130, 190}})
        drawVia(canvas, end.x, end.y);
}

void drawTraces(Canvas& canvas) {
    drawFingerViasAndLanes(canvas);
    drawHostBus(canvas);
    drawAnalogTraces(canvas);
    drawSwitchTraces(canvas);
    drawPowerTraces(canvas);
    drawStitchingVias(canvas);
}

void drawSilkscreen(Canvas& canvas) {
    drawSilkscreenOutline(canvas, kController.grown(7));
    canvas.fillCircle(kController.x - 9, kController.y - 9, 1.2, palette::kSilkscreen);
    for (int ch = 0; ch < kChannels; ++ch) {
        const RectF opAmp = opAmpBody(ch);
        drawSilkscreenText(canvas, opAmp.x, opAmp.y - 11, "CH" + std::to_string(ch));
    }
    drawSilkscreenText(canvas, kJumperArea.x + 9, 21, "JP1");
    drawSilkscreenText(canvas, 440, 226, "KQ-300", 1.5);
    drawSilkscreenOutline(canvas, {20, 56, 48, 162});
}

void drawPassives(Canvas& canvas) {
    for (int ch = 0; ch < kChannels; ++ch) {
        const double cy = channelCenterY(ch);
        drawChipResistor(canvas, 124, cy - 4.5, false);
        drawChipResistor(canvas, 124, cy + 4.5, false);
        drawChipCapacitor(canvas, 84, cy + 12, false);
    }
    for (const RectF& dac : kDacs) {
        drawChipCapacitor(canvas, dac.centerX(), dac.y - 9, false);
        drawChipCapacitor(canvas, dac.centerX(), dac.bottom() + 9, false);
    }
    const PointF decoupling[] = {{336, 50}, {336, 96},  {432, 52},  {432, 92},  {372, 24},
                                 {400, 24}, {372, 120}, {196, 140}, {208, 140}, {590, 120},
                                 {34, 18},  {34, 28},   {176, 226}, {205, 226}, {222, 205}};
    for (const PointF& p : decoupling)
        drawChipCapacitor(canvas, p.x, p.y, p.x < 340 || p.x > 430);
    const PointF resistors[] = {{196, 80},  {208, 80},  {378, 178}, {330, 150}, {530, 196},
                                {542, 196}, {554, 196}, {60, 228},  {72, 228},  {50, 22},
                                {60, 22},   {590, 170}, {590, 200}};
    for (const PointF& p : resistors)
        drawChipResistor(canvas, p.x, p.y, true);
}

void drawChips(Canvas& canvas) {
    drawQfp(canvas, kController, kControllerPinsPerSide);
    for (const RectF& dac : kDacs)
        drawSoic(canvas, dac, kDacPinsPerSide, true);
    for (int ch = 0; ch < kChannels; ++ch)
        drawSoic(canvas, opAmpBody(ch), 4, true);
    const RectF reference{195, 100, 13, 14};
    drawSoic(canvas, reference, 4, false);
    const RectF eeprom{350, 150, 13, 12};
    drawSoic(canvas, eeprom, 4, true);
    drawSoic(canvas, {74, 15, 12, 7}, 3, false);   // Output protection diodes.
    drawSoic(canvas, {172, 200, 13, 12}, 4, true); // Analog supply converter.
    drawPowerInductor(canvas, {196, 196, 18, 18});
    drawSoic(canvas, {562, 180, 13, 12}, 4, true); // Supply monitor.
    const RectF clock{300, 179, 20, 12};
    drawCrystalOscillator(canvas, clock);
    drawSilkscreenOutline(canvas, clock.grown(2.5));
}

void drawPowerSupply(Canvas& canvas) {
    drawRegulator(canvas, {540, 45, 20, 11});
    drawRegulator(canvas, {570, 45, 20, 11});
    drawElectrolyticCapacitor(canvas, 552, 92, 12);
    drawElectrolyticCapacitor(canvas, 584, 92, 12);
    drawPowerInductor(canvas, {541, 125, 24, 24});
    drawChipCapacitor(canvas, 575, 140, true);
}

// Paper label with a barcode, as fitted by the board maker.
void drawSerialLabel(Canvas& canvas) {
    const RectF label{432, 170, 52, 20};
    canvas.dropShadow(label.moved(1, 1.5), 0.5, 1.5, 0.4);
    canvas.fillRect(label, rgb(236, 234, 226));
    Prng rng(0x5E71A1);
    for (double x = label.x + 3; x < label.right() - 4;) {
        const double w = rng.uniform(0.5, 1.8);
        canvas.fillRect({x, label.y + 3, w, 10}, rgb(30, 30, 34));
        x += w + rng.uniform(0.5, 1.5);
    }
    for (double x = label.x + 3; x < label.right() - 6; x += 3.2)
        canvas.fillRect({x, label.y + 15, 2.2, 2}, rgb(90, 90, 96));
}

// One switch package per channel, stacked down the column, labelled on the left.
void drawDipSwitchColumn(Canvas& canvas, const RectF& column, int firstNumber) {
    constexpr std::array<std::array<bool, 4>, kSwitchesPerColumn> leverPatterns = {{
        {true, false, false, true},
        {false, true, false, false},
        {true, true, false, true},
        {false, false, true, false},
    }};
    const double slot = column.h / kSwitchesPerColumn;
    for (int i = 0; i < kSwitchesPerColumn; ++i) {
        const RectF body{column.x + 6, column.y + i * slot + 6, column.w - 12, slot - 12};
        drawSilkscreenOutline(canvas, body.grown(1.6));
        const std::string label = "SW" + std::to_string(firstNumber + i);
        drawSilkscreenText(canvas, column.x - 2 - silkscreenTextWidth(label), body.centerY() - 3.5,
                           label);
        drawDipSwitch(canvas, body, leverPatterns[(i + firstNumber) % kSwitchesPerColumn]);
    }
}

void drawJumperHeader(Canvas& canvas) {
    const RectF base{kJumperArea.x + 6, kJumperArea.y + 4, 45, 9};
    drawSilkscreenOutline(canvas, base.grown(2.5));
    drawThreePinHeader(canvas, base);
}

void drawFiducials(Canvas& canvas) {
    for (const PointF& p : {PointF{28, 236}, PointF{592, 236}}) {
        canvas.fillCircle(p.x, p.y, 3.2, rgb(16, 70, 36));
        canvas.fillCircle(p.x, p.y, 1.6, rgb(214, 196, 150));
    }
}

// Zinc-plated steel bracket with brushed grain, and its tongue below the card.
void drawBracket(Canvas& canvas) {
    const RectF plate{0, -2, kBoardLeft + 1, 256};
    const RectF tongue{4, 240, 9, 40};
    for (const RectF& part : {plate, tongue}) {
        canvas.dropShadow(part.moved(2, 2), 0.5, 3, 0.5);
        canvas.shade(part, [&](double x, double y, Color& px) {
            const double t = (x - part.x) / part.w;
            const Color base = t < 0.62
                                   ? mix(rgb(118, 120, 126), rgb(214, 216, 220), t / 0.62)
                                   : mix(rgb(214, 216, 220), rgb(146, 148, 154), (t - 0.62) / 0.38);
            const double grain = positionNoise(int(x * 6), int(y / 6), 7);
            px = scaled(base, 1.0 + 0.05 * grain);
        });
    }
    for (double y : {66.0, 208.0}) {
        canvas.dropShadow(RectF{2.5, y - 5.5, 11, 11}.moved(1, 1.5), 5.5, 1.5, 0.6);
        canvas.fillCircle(8, y, 5.5, rgb(104, 106, 110));
        canvas.fillVerticalGradient({3.5, y - 4.5, 9, 9}, 4.5, rgb(236, 236, 238),
                                    rgb(150, 152, 156));
        canvas.drawLine(5, y, 11, y, 1.2, rgb(70, 72, 76));
    }
}

// Right-angle D-sub output connector: shell against the bracket, plastic body on the board
// and two staggered rows of soldered pins behind it.
void drawOutputConnector(Canvas& canvas) {
    const RectF body{21, 74, 36, 126};
    canvas.dropShadow(body.moved(3, 4), 1.5, 4, 0.65);
    canvas.fillHorizontalGradient(body, 1.5, rgb(58, 58, 62), rgb(30, 30, 33));
    canvas.fillRect({body.right() - 3, body.y + 2, 2, body.h - 4}, rgb(72, 72, 78), 0.6);
    for (double y : {61.0, 201.0}) {
        const RectF lock{21, y, 30, 12};
        canvas.dropShadow(lock.moved(1.5, 2), 1, 2, 0.5);
        canvas.fillVerticalGradient(lock, 1, rgb(216, 218, 220), rgb(150, 152, 156));
        canvas.fillCircle(41, y + 6, 3, rgb(120, 122, 126));
        canvas.fillCircle(40.5, y + 5.5, 2, rgb(226, 228, 230));
    }
    canvas.fillHorizontalGradient({kBoardLeft, 56, 6, 162}, 1, rgb(230, 232, 234),
                                  rgb(140, 142, 146));
    for (int row = 0; row < 2; ++row) {
        for (int pin = 0; pin < 13 - row; ++pin) {
            const double x = 63 + 6 * row, y = 80 + 4.7 * row + 9.4 * pin;
            canvas.fillCircle(x, y, 2.6, rgb(150, 156, 120));
            canvas.fillCircle(x, y, 1.9, palette::kTin);
            canvas.fillCircle(x - 0.6, y - 0.6, 0.8, rgb(246, 246, 244));
        }
    }
}

} // namespace

RgbImage renderBoardPhoto() {
    Canvas canvas(kPhotoWidth, kPhotoHeight, kSupersampling);
    drawBackground(canvas);
    drawSolderMask(canvas);
    drawTraces(canvas);
    drawEdgeConnector(canvas);
    drawFiducials(canvas);
    drawSilkscreen(canvas);
    drawPassives(canvas);
    drawChips(canvas);
    drawPowerSupply(canvas);
    drawSerialLabel(canvas);
    drawDipSwitchColumn(canvas, kFirstSwitchColumn, 1);
    drawDipSwitchColumn(canvas, kSecondSwitchColumn, 5);
    drawJumperHeader(canvas);
    drawOutputConnector(canvas);
    drawBracket(canvas);

    Raster photo = canvas.downsampled();
    softenFocus(photo, 0.5);
    applyLighting(photo, 0.35 * kPhotoWidth, 0.25 * kPhotoHeight);
    Prng grain(0x4B51333030ull);
    addSensorNoise(photo, grain, 2.2, 0.9);
    return toRgbImage(photo);
}
