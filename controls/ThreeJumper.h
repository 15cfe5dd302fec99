#pragma once

#include "Form.h"
#include "OrientedPicture.h"

// A drawn three-pin header with its jumper cap, which joins the left and
// middle pins, the middle and right pins, or nothing (left, middle and right
// as in the upright picture). A click moves the cap to its next place before
// OnClick runs, so a handler sees where it went.
//
// The background takes the colour of a radio panel it sits on, so that the
// picture blends into the option panel; BorderStyle is bsNone or bsSingle.
class TThreeJumper : public TOrientedPicture {
public:
    explicit TThreeJumper(TComponent* owner);
    String ClassName() const override { return "TThreeJumper"; }
    static void DefineProperties(TPropertyTable& table);

    // jsOpen is refused while AllowOpen is false. Setting the state never
    // runs OnClick.
    TJumperState JumperState() const { return FJumperState; }
    void SetJumperState(TJumperState state);
    TColor BaseColor() const { return FBaseColor; }
    void SetBaseColor(TColor color);
    TColor PinColor() const { return FPinColor; }
    void SetPinColor(TColor color);
    TColor JumperColor() const { return FJumperColor; }
    void SetJumperColor(TColor color);
    // bsSingle outlines the base in black; other styles than bsNone and
    // bsSingle are ignored.
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    // Switching it off takes an open jumper to jsLeft.
    bool AllowOpen() const { return FAllowOpen; }
    void SetAllowOpen(bool allowOpen);

    void Click() override;

protected:
    void DrawUpright(TCanvas& canvas, int width, int height) override;

private:
    TJumperState StateAfterClick() const;
    TColor BackgroundColor() const;
    void SetColorProperty(TColor& field, TColor color);

    TJumperState FJumperState = jsOpen;
    TColor FBaseColor = clGray;
    TColor FJumperColor = clMaroon;
    TColor FPinColor = clYellow;
    TFormBorderStyle FBorderStyle = bsSingle;
    bool FAllowOpen = true;
};
