#include "Bitmap.h"

#include "Canvas.h"
#include "Exception.h"
#include "qt/BitmapAccess.h"

TBitmap::TBitmap()
    : FImage(std::make_unique<QImage>()) {}

TBitmap::~TBitmap() = default;

int TBitmap::Width() const {
    return FImage->width();
}

int TBitmap::Height() const {
    return FImage->height();
}

void TBitmap::SetSize(int width, int height) {
    if (width == Width() && height == Height())
        return;
    if (width <= 0 || height <= 0) {
        *FImage = QImage();
    } else {
        *FImage = QImage(width, height, QImage::Format_RGB32);
        if (FImage->isNull())
            throw EInvalidGraphic("Not enough memory for a bitmap of " + std::to_string(width) +
                                  " x " + std::to_string(height) + " pixels");
        FImage->fill(Qt::white);
    }
    if (FCanvas)
        FCanvas->SetTarget(this); // the canvas reaches the new size
    Changed();
}

std::uint8_t* TBitmap::ScanLine(int y) {
    return FImage->scanLine(y);
}

const std::uint8_t* TBitmap::ScanLine(int y) const {
    return FImage->constScanLine(y);
}

int TBitmap::BytesPerLine() const {
    return int(FImage->bytesPerLine());
}

TColor TBitmap::Pixel(int x, int y) const {
    const std::uint8_t* p = ScanLine(y) + 4 * x;
    return RGB(p[2], p[1], p[0]);
}

TCanvas& TBitmap::Canvas() {
    if (!FCanvas)
        FCanvas = std::make_unique<TCanvas>(this);
    return *FCanvas;
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) const {
    canvas.DrawBitmap(rect, *this);
}

std::unique_ptr<TGraphic> TBitmap::Clone() const {
    auto copy = std::make_unique<TBitmap>();
    *copy->FImage = *FImage; // shared until either side writes
    copy->SetTransparent(Transparent());
    return copy;
}

void TBitmap::LoadFromStoredData(const std::uint8_t*, std::size_t) {
    throw EInvalidGraphic("Stored bitmaps are not supported; store the picture as a JPEG image");
}
