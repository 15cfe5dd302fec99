#pragma once

#include "Canvas.h"
#include "Control.h"

// A control without a window of its own. Its parent paints it: after painting
// itself into its back buffer, the parent runs each visible graphic child's
// Paint on that same buffer, with the canvas's origin at the child's corner and
// clipped to the child's rectangle. What a child reads from its canvas is
// therefore what the parent and the earlier siblings drew there.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    String ClassName() const override { return "TGraphicControl"; }

    // Draws on the parent's back buffer while the control paints; outside a
    // paint it has nothing to draw on.
    TCanvas& Canvas() { return FCanvas; }

protected:
    virtual void Paint() {}

private:
    friend class TWinControl;
    void PaintOn(TBitmap& buffer, TPoint origin, const TRect& clip);

    TCanvas FCanvas;
};
