#include "JPEGImage.h"

#include "Exception.h"
#include "qt/BitmapAccess.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

struct JpegErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Escape;
    char Message[JMSG_LENGTH_MAX];
};

// libjpeg's default error handler ends the process; this one jumps back to the
// decoder with libjpeg's message instead.
[[noreturn]] void EscapeOnError(j_common_ptr cinfo) {
    auto* errors = reinterpret_cast<JpegErrorManager*>(cinfo->err);
    cinfo->err->format_message(cinfo, errors->Message);
    std::longjmp(errors->Escape, 1);
}

// A warning means damaged data (a premature end of file, say); libjpeg would
// fill the rest of the picture with grey, so it is treated as an error.
void EscapeOnWarning(j_common_ptr cinfo, int level) {
    if (level < 0)
        EscapeOnError(cinfo);
}

constexpr unsigned MaxPixels = 64u * 1024u * 1024u;

// Plain C style on purpose: nothing with a destructor may live in this frame
// across the setjmp. Returns false with the message in errors.Message.
bool DecodeJpeg(const std::uint8_t* data, std::size_t size, QImage& out, JpegErrorManager& errors) {
    jpeg_decompress_struct cinfo;
    cinfo.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = EscapeOnError;
    errors.Base.emit_message = EscapeOnWarning;
    if (setjmp(errors.Escape)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_EXT_BGRX; // the bitmap's byte order
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_width * std::uint64_t(cinfo.output_height) > MaxPixels) {
        std::snprintf(errors.Message, sizeof errors.Message, "JPEG image too large (%u x %u)",
                      cinfo.output_width, cinfo.output_height);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    out = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB32);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out.scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

} // namespace

TJPEGImage::TJPEGImage()
    : FBitmap(std::make_unique<TBitmap>()) {}

TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::LoadFromData(const std::uint8_t* jpeg, std::size_t size) {
    if (size == 0)
        throw EInvalidGraphic("JPEG error: empty image data");
    QImage decoded;
    JpegErrorManager errors{};
    if (!DecodeJpeg(jpeg, size, decoded, errors))
        throw EInvalidGraphic(String("JPEG error: ") + errors.Message);
    TBitmapAccess::Image(*FBitmap) = decoded;
    Changed();
}

void TJPEGImage::Draw(TCanvas& canvas, const TRect& rect) const {
    FBitmap->Draw(canvas, rect);
}

std::unique_ptr<TGraphic> TJPEGImage::Clone() const {
    auto copy = std::make_unique<TJPEGImage>();
    TBitmapAccess::Image(*copy->FBitmap) = TBitmapAccess::Image(*FBitmap); // shared pixels
    copy->SetTransparent(Transparent());
    return copy;
}

void TJPEGImage::LoadFromStoredData(const std::uint8_t* data, std::size_t size) {
    if (size < 4)
        throw EInvalidGraphic("JPEG error: stored image data too short");
    std::size_t length = std::size_t(data[0]) | std::size_t(data[1]) << 8 |
                         std::size_t(data[2]) << 16 | std::size_t(data[3]) << 24;
    if (length != size - 4)
        throw EInvalidGraphic("JPEG error: stored image length " + std::to_string(length) +
                              " does not match the " + std::to_string(size - 4) + " bytes of data");
    LoadFromData(data + 4, length);
}
