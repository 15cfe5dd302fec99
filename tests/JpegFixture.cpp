#include "JpegFixture.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <jpeglib.h>

std::vector<std::uint8_t> EncodeJpeg(int width, int height,
                                     const std::function<TRgb(int x, int y)>& pixel,
                                     bool progressive) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    if (progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<std::uint8_t> row(std::size_t(width) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            TRgb c = pixel(x, y);
            row[3 * x] = c.R;
            row[3 * x + 1] = c.G;
            row[3 * x + 2] = c.B;
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::vector<std::uint8_t> jpeg(buffer, buffer + size);
    std::free(buffer);
    return jpeg;
}

std::vector<std::uint8_t> StoredJpegData(const std::vector<std::uint8_t>& jpeg) {
    std::vector<std::uint8_t> data = {10, 'T', 'J', 'P', 'E', 'G', 'I', 'm', 'a', 'g', 'e'};
    std::uint32_t size = std::uint32_t(jpeg.size());
    for (int shift = 0; shift < 32; shift += 8)
        data.push_back(std::uint8_t(size >> shift));
    data.insert(data.end(), jpeg.begin(), jpeg.end());
    return data;
}

TDecodedJpeg DecodeJpeg(const std::vector<std::uint8_t>& jpeg) {
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    TDecodedJpeg decoded;
    decoded.Width = int(cinfo.output_width);
    decoded.Height = int(cinfo.output_height);
    decoded.Pixels.resize(std::size_t(decoded.Width) * decoded.Height);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row =
            reinterpret_cast<JSAMPROW>(&decoded.Pixels[cinfo.output_scanline * decoded.Width]);
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return decoded;
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot open " + path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
