#include "jpeg_writer.h"

#include <csetjmp>
#include <cstdio>
#include <stdexcept>

#include <jpeglib.h>

namespace {

// libjpeg reports fatal errors through a callback that must not return; jumping back to
// compressGuarded() turns them into a failed result instead of ending the process.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void onJpegError(j_common_ptr cinfo) {
    auto* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, errors->message);
    std::longjmp(errors->jump, 1);
}

// Only trivially destructible locals here and below, so the error jump skips no destructors.
void compress(jpeg_compress_struct* cinfo, std::FILE* file, const RgbImage* image,
              const std::vector<std::uint8_t>* iccProfile, int quality) {
    jpeg_create_compress(cinfo);
    jpeg_stdio_dest(cinfo, file);
    cinfo->image_width = JDIMENSION(image->width);
    cinfo->image_height = JDIMENSION(image->height);
    cinfo->input_components = 3;
    cinfo->in_color_space = JCS_RGB;
    jpeg_set_defaults(cinfo); // Stores YCbCr and asks for a JFIF header.
    cinfo->write_JFIF_header = TRUE;
    cinfo->density_unit = 1; // Dots per inch.
    cinfo->X_density = 72;
    cinfo->Y_density = 72;
    jpeg_set_quality(cinfo, quality, TRUE);
    // Full-resolution colour: many coloured parts (switch levers, gold pins) are only a few
    // pixels wide and would bleed into the green with subsampled chroma.
    for (int component = 0; component < cinfo->num_components; ++component) {
        cinfo->comp_info[component].h_samp_factor = 1;
        cinfo->comp_info[component].v_samp_factor = 1;
    }
    cinfo->optimize_coding = TRUE;
    jpeg_simple_progression(cinfo);

    jpeg_start_compress(cinfo, TRUE);
    jpeg_write_icc_profile(cinfo, iccProfile->data(), unsigned(iccProfile->size()));
    const std::size_t stride = std::size_t(image->width) * 3;
    while (cinfo->next_scanline < cinfo->image_height) {
        // libjpeg takes non-const rows but only reads them.
        JSAMPROW row = const_cast<JSAMPLE*>(image->samples.data() + cinfo->next_scanline * stride);
        jpeg_write_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_compress(cinfo);
}

bool compressGuarded(jpeg_compress_struct* cinfo, ErrorManager* errors, std::FILE* file,
                     const RgbImage* image, const std::vector<std::uint8_t>* iccProfile,
                     int quality) {
    if (setjmp(errors->jump) != 0)
        return false;
    compress(cinfo, file, image, iccProfile, quality);
    return true;
}

} // namespace

void writeProgressiveJpeg(const std::string& path, const RgbImage& image,
                          const std::vector<std::uint8_t>& iccProfile, int quality) {
    if (image.samples.size() != std::size_t(image.width) * image.height * 3)
        throw std::runtime_error("image buffer does not match its size");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        throw std::runtime_error("cannot open " + path + " for writing");

    jpeg_compress_struct cinfo{}; // Zeroed so destroying it is safe even if creation failed.
    ErrorManager errors{};
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onJpegError;
    const bool compressed = compressGuarded(&cinfo, &errors, file, &image, &iccProfile, quality);
    jpeg_destroy_compress(&cinfo);
    const bool closed = std::fclose(file) == 0;

    if (!compressed)
        throw std::runtime_error("JPEG encoding failed: " + std::string(errors.message));
    if (!closed)
        throw std::runtime_error("cannot finish writing " + path);
}
