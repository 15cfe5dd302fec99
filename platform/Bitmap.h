#pragma once

#include "Graphic.h"

#include <memory>

class QImage;
class TCanvas;

// An off-screen picture of 32 bits per pixel. Each pixel is four bytes in the
// order blue, green, red and a fourth byte that carries no colour; rows are
// read and written directly through ScanLine.
class TBitmap : public TGraphic {
public:
    TBitmap();
    ~TBitmap() override;
    String ClassName() const override { return "TBitmap"; }

    int Width() const override;
    int Height() const override;
    void SetSize(int width, int height);

    std::uint8_t* ScanLine(int y);
    const std::uint8_t* ScanLine(int y) const;
    // The distance in bytes from one row to the next.
    int BytesPerLine() const;
    TColor Pixel(int x, int y) const;

    TCanvas& Canvas();

    void Draw(TCanvas& canvas, const TRect& rect) const override;
    std::unique_ptr<TGraphic> Clone() const override;
    void LoadFromStoredData(const std::uint8_t* data, std::size_t size) override;

private:
    friend struct TBitmapAccess;
    std::unique_ptr<QImage> FImage;
    std::unique_ptr<TCanvas> FCanvas;
};
