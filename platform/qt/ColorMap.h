#pragma once

#include "../Types.h"

#include <QColor>

QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);
