#pragma once

#include "../Font.h"

#include <QFont>

// The Qt font for a font named in a description, through the one table that
// maps the designed families onto installed ones.
QFont ToQFont(const TFont& font);
