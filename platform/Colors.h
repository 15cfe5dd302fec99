#pragma once

#include "Types.h"

constexpr TColor clNone = 0x1FFFFFFF;

// Resolves a system colour (0x80000000 + n) to the red, green and blue the
// desktop's palette gives it; other colours come back unchanged.
TColor ColorToRGB(TColor color);
