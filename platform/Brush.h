#pragma once

#include "Types.h"

enum TBrushStyle { bsSolid, bsClear };

// The fill a canvas paints shape interiors and text backgrounds with.
class TBrush {
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor color) { FColor = color; }
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle style) { FStyle = style; }

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
};
