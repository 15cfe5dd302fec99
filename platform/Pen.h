#pragma once

#include "Types.h"

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };

// The outline a canvas draws shapes with; always one pixel wide.
class TPen {
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor color) { FColor = color; }
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle style) { FStyle = style; }

private:
    TColor FColor = clBlack;
    TPenStyle FStyle = psSolid;
};
