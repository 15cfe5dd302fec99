#pragma once

#include "WinControl.h"

enum TBevelCut { bvNone, bvLowered, bvRaised };

// A plain container control: a face in its colour with an outer bevel and a
// centred caption.
class TCustomPanel : public TWinControl {
public:
    explicit TCustomPanel(TComponent* owner);
    String ClassName() const override { return "TCustomPanel"; }

    const String& Caption() const { return FCaption; }
    void SetCaption(const String& caption);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut bevel);

protected:
    void Paint() override;

private:
    String FCaption;
    TBevelCut FBevelOuter = bvRaised;
};
