#pragma once

#include "jpeg_writer.h"

inline constexpr int kPhotoWidth = 600;
inline constexpr int kPhotoHeight = 274;

// Paints the synthetic photograph of the KQ-300 card, component side up. It depends on nothing
// but this code, so every run yields the same pixels.
RgbImage renderBoardPhoto();
