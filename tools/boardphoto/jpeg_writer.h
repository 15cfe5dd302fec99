#pragma once

#include <cstdint>
#include <string>
#include <vector>

// An 8-bit image with interleaved red, green and blue samples, row after row.
struct RgbImage {
    int width = 0, height = 0;
    std::vector<std::uint8_t> samples;
};

// Writes `image` as a progressive JFIF file with the given ICC profile embedded.
// Throws std::runtime_error when the file cannot be written.
void writeProgressiveJpeg(const std::string& path, const RgbImage& image,
                          const std::vector<std::uint8_t>& iccProfile, int quality);
