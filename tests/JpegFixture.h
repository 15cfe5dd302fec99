#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Small JPEG pictures made on the spot with libjpeg, for tests that need a
// picture of a known size, and libjpeg's own decoding to compare against.

struct TRgb {
    std::uint8_t R, G, B;
};

std::vector<std::uint8_t> EncodeJpeg(int width, int height,
                                     const std::function<TRgb(int x, int y)>& pixel,
                                     bool progressive = false);
// A picture as a stored description keeps it: "TJPEGImage", the length, the JPEG.
std::vector<std::uint8_t> StoredJpegData(const std::vector<std::uint8_t>& jpeg);

struct TDecodedJpeg {
    int Width = 0;
    int Height = 0;
    std::vector<TRgb> Pixels; // row by row
    TRgb At(int x, int y) const { return Pixels[std::size_t(y) * Width + x]; }
};
// libjpeg's default decoding, straight to RGB.
TDecodedJpeg DecodeJpeg(const std::vector<std::uint8_t>& jpeg);

std::vector<std::uint8_t> ReadFileBytes(const std::string& path);
