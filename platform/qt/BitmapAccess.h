#pragma once

#include "../Bitmap.h"

#include <QImage>

// The platform's own code reaches the Qt image behind a bitmap through this;
// nothing outside the platform sees it.
struct TBitmapAccess {
    static QImage& Image(TBitmap& bitmap) { return *bitmap.FImage; }
    static const QImage& Image(const TBitmap& bitmap) { return *bitmap.FImage; }
};
