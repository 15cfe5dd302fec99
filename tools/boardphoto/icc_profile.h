#pragma once

#include <cstdint>
#include <vector>

// A small ICC version 2 display profile for sRGB, so that colour-managed viewers show the
// photograph's colours as they were drawn.
std::vector<std::uint8_t> buildSrgbIccProfile();
