#pragma once

#include "WinControl.h"

// One choice of a group: the radio buttons of one parent exclude each other.
// OnClick fires whenever the button becomes checked, by the user or from code,
// and never for a button that is checked already.
class TRadioButton : public TWinControl {
public:
    explicit TRadioButton(TComponent* owner);
    String ClassName() const override { return "TRadioButton"; }
    static void DefineProperties(TPropertyTable& table);

    const String& Caption() const { return FCaption; }
    void SetCaption(const String& caption);
    bool Checked() const;
    void SetChecked(bool checked);

private:
    String FCaption;
};
