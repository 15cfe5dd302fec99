#pragma once

#include "WinControl.h"

// A push button; a click with the mouse or the space bar fires OnClick.
class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);
    String ClassName() const override { return "TButton"; }
    static void DefineProperties(TPropertyTable& table);

    const String& Caption() const { return FCaption; }
    void SetCaption(const String& caption);

private:
    String FCaption;
};
