#pragma once

#include "rgb_image.h"

#include <cstdint>
#include <string>
#include <vector>

// Writes `image` as a progressive JFIF file with the given ICC profile embedded.
// Throws std::runtime_error when the file cannot be written.
void writeProgressiveJpeg(const std::string& path, const RgbImage& image,
                          const std::vector<std::uint8_t>& iccProfile, int quality);
