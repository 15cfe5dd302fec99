#pragma once

#include "OrientedPicture.h"

#include <cstdint>

// A drawn bank of DIP switches as it sits on the card, showing a binary value:
// one lever per bit, at the end marked "ON" for a 1 and at the far end for a 0.
// Lever 1 is the leftmost of the upright picture and the most significant bit.
// It is display-only.
//
// The levers are held as text, one "0" or "1" per lever, and as a number.
// Value has 32 bits: with more levers than that it holds the last 32 levers,
// and the text alone says where the others are.
class TDipSwitch : public TOrientedPicture {
public:
    static constexpr int MaxSwitches = 255;

    explicit TDipSwitch(TComponent* owner);
    String ClassName() const override { return "TDipSwitch"; }
    static void DefineProperties(TPropertyTable& table);

    TColor SwitchColor() const { return FSwitchColor; }
    void SetSwitchColor(TColor color);
    // Clipped to 0..MaxSwitches. The levers kept are the last ones; new levers
    // are added in front at 0.
    int NumSwitches() const { return FNumSwitches; }
    void SetNumSwitches(int count);
    // Characters other than "0" and "1" are dropped; text with none left is
    // ignored. Longer text keeps its last NumSwitches characters, shorter
    // text is padded with "0" in front.
    const String& BinaryValueStr() const { return FBinaryValueStr; }
    void SetBinaryValueStr(const String& text);
    // Bits beyond the levers are dropped.
    std::uint32_t Value() const { return FValue; }
    void SetValue(std::uint32_t value);

protected:
    void DrawUpright(TCanvas& canvas, int width, int height) override;

private:
    void StoreLevers(const String& levers);
    bool LeverOn(int lever) const { return FBinaryValueStr[lever - 1] == '1'; }

    int FNumSwitches = 3;
    std::uint32_t FValue = 0;
    String FBinaryValueStr = "000";
    TColor FSwitchColor = clWhite;
};
