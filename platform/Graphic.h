#pragma once

#include "Object.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

class TCanvas;

// A picture format: something with a size that can draw itself into a
// rectangle of a canvas. Palettes belong to displays of 256 colours or fewer;
// this platform has none, so a graphic's palette is always 0.
class TGraphic : public TObject {
public:
    String ClassName() const override { return "TGraphic"; }

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    bool Empty() const { return Width() <= 0 || Height() <= 0; }

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);

    unsigned Palette() const { return 0; }
    bool PaletteModified() const { return FPaletteModified; }
    void SetPaletteModified(bool modified) { FPaletteModified = modified; }

    // Draws the graphic scaled into rect; an unscaled draw copies the pixels exactly.
    virtual void Draw(TCanvas& canvas, const TRect& rect) const = 0;
    virtual std::unique_ptr<TGraphic> Clone() const = 0;
    // Reads the graphic from the data a stored description keeps after the
    // graphic's class name. Raises EInvalidGraphic on bad data.
    virtual void LoadFromStoredData(const std::uint8_t* data, std::size_t size) = 0;

    std::function<void()> OnChange;

protected:
    void Changed();

private:
    bool FTransparent = false;
    bool FPaletteModified = false;
};
