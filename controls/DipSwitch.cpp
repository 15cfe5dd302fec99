#include "DipSwitch.h"

#include "PropertyTable.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int SlotTop = 13;
constexpr int SlotBottomMargin = 3;

String OnlyBinaryDigits(const String& text) {
    String digits;
    std::copy_if(text.begin(), text.end(), std::back_inserter(digits),
                 [](char c) { return c == '0' || c == '1'; });
    return digits;
}

// Keeps the last count levers of the text, or puts levers at 0 in front of it.
String FitToLevers(String levers, int count) {
    std::size_t wanted = std::size_t(count);
    if (levers.size() > wanted)
        levers.erase(0, levers.size() - wanted);
    levers.insert(0, wanted - levers.size(), '0');
    return levers;
}

// The first lever is the most significant bit; shifting drops the bits of
// levers that lie beyond the 32 bits of the number.
std::uint32_t ValueOfLevers(const String& levers) {
    std::uint32_t value = 0;
    for (char lever : levers)
        value = (value << 1) | (lever == '1' ? 1u : 0u);
    return value;
}

String LeversOfValue(std::uint32_t value, int count) {
    String levers(std::size_t(count), '0');
    for (int bit = 0; bit < count && bit < 32; ++bit)
        if (value & (std::uint32_t(1) << bit))
            levers[std::size_t(count - 1 - bit)] = '1';
    return levers;
}

// Where the slots and levers lie across an upright picture of the given size.
struct TLeverLayout {
    int Length; // how far a lever reaches along its slot
    int Width;
    int Gap;
    int Left(int lever) const { return (lever - 1) * (Width + Gap) + Gap + 1; }
};

TLeverLayout LeverLayoutFor(int width, int height, int count) {
    TLeverLayout layout;
    // 85 % of half the travel, in integers so that no rounding of 0.85 can
    // take a pixel off.
    layout.Length = 85 * ((height - 16) / 2) / 100;
    layout.Width = (width - 3) / (count + 1);
    layout.Gap = (width - 3 - count * layout.Width) / count;
    return layout;
}

} // namespace

void TDipSwitch::DefineProperties(TPropertyTable& table) {
    TOrientedPicture::DefineProperties(table);
    table.Color<TDipSwitch>("SwitchColor", &TDipSwitch::SetSwitchColor);
    table.Integer<TDipSwitch>("NumSwitches", &TDipSwitch::SetNumSwitches);
    table.Text<TDipSwitch>("BinaryValueStr", &TDipSwitch::SetBinaryValueStr);
    table.Integer<TDipSwitch>(
        "Value", [](TDipSwitch& dips, int value) { dips.SetValue(std::uint32_t(value)); });
}

TDipSwitch::TDipSwitch(TComponent* owner)
    : TOrientedPicture(owner) {
    SetWidth(53);
    SetHeight(43);
}

void TDipSwitch::SetSwitchColor(TColor color) {
    if (color == FSwitchColor)
        return;
    FSwitchColor = color;
    Invalidate();
}

void TDipSwitch::SetNumSwitches(int count) {
    count = std::clamp(count, 0, MaxSwitches);
    if (count == FNumSwitches)
        return;
    FNumSwitches = count;
    StoreLevers(FitToLevers(FBinaryValueStr, count));
    Invalidate();
}

void TDipSwitch::SetBinaryValueStr(const String& text) {
    String digits = OnlyBinaryDigits(text);
    if (digits.empty())
        return;
    String levers = FitToLevers(digits, FNumSwitches);
    // The levers, not the number, decide: beyond 32 levers the number cannot
    // tell every change apart.
    if (levers == FBinaryValueStr)
        return;
    StoreLevers(levers);
    Invalidate();
}

void TDipSwitch::SetValue(std::uint32_t value) {
    if (value == FValue)
        return;
    StoreLevers(LeversOfValue(value, FNumSwitches));
    Invalidate();
}

void TDipSwitch::StoreLevers(const String& levers) {
    FBinaryValueStr = levers;
    FValue = ValueOfLevers(levers);
}

void TDipSwitch::DrawUpright(TCanvas& canvas, int width, int height) {
    canvas.Pen().SetColor(clBlack);
    canvas.Pen().SetStyle(psSolid);
    canvas.Brush().SetColor(clBlack);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Rectangle(0, 0, width, height);

    canvas.Font().SetName("MS Sans Serif");
    canvas.Font().SetSize(8);
    canvas.Font().SetColor(clWhite);
    canvas.Brush().SetStyle(bsClear);
    canvas.TextOut(0, 0, "ON");
    canvas.Brush().SetStyle(bsSolid);

    // A switch without levers is a bare body with its mark.
    if (FNumSwitches == 0)
        return;
    TLeverLayout layout = LeverLayoutFor(width, height, FNumSwitches);
    int slotBottom = height - SlotBottomMargin;
    canvas.Brush().SetColor(clGray);
    for (int lever = 1; lever <= FNumSwitches; ++lever) {
        int left = layout.Left(lever);
        canvas.Rectangle(left, SlotTop, left + layout.Width, slotBottom);
    }
    canvas.Brush().SetColor(FSwitchColor);
    for (int lever = 1; lever <= FNumSwitches; ++lever) {
        int left = layout.Left(lever);
        if (LeverOn(lever))
            canvas.Rectangle(left, SlotTop, left + layout.Width, SlotTop + layout.Length);
        else
            canvas.Rectangle(left, slotBottom - layout.Length, left + layout.Width, slotBottom);
    }
}
