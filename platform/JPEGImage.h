#pragma once

#include "Bitmap.h"

#include <memory>

// A JPEG picture, decoded with libjpeg when it is loaded. Bad or truncated data
// raises EInvalidGraphic with libjpeg's own message; libjpeg never gets to end
// the process.
class TJPEGImage : public TGraphic {
public:
    TJPEGImage();
    ~TJPEGImage() override;
    String ClassName() const override { return "TJPEGImage"; }

    int Width() const override { return FBitmap->Width(); }
    int Height() const override { return FBitmap->Height(); }
    // The decoded pixels.
    const TBitmap& Bitmap() const { return *FBitmap; }

    void LoadFromData(const std::uint8_t* jpeg, std::size_t size);

    void Draw(TCanvas& canvas, const TRect& rect) const override;
    std::unique_ptr<TGraphic> Clone() const override;
    // Stored data: the JPEG's length as four bytes, least significant first,
    // then the JPEG file itself.
    void LoadFromStoredData(const std::uint8_t* data, std::size_t size) override;

private:
    std::unique_ptr<TBitmap> FBitmap;
};
