#pragma once

#include <cstdint>
#include <vector>

// An 8-bit image with interleaved red, green and blue samples, row after row.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> samples;
};
