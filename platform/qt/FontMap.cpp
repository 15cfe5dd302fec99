#include "FontMap.h"

#include "../Component.h"

#include <cstdlib>

namespace {

struct FontFamilyMapping {
    const char* Designed;
    const char* Installed;
};

// Families the descriptions name and the free families of similar metrics
// that the set-up script installs.
constexpr FontFamilyMapping FontFamilies[] = {
    {"MS Sans Serif", "Liberation Sans"},
    {"Tahoma", "DejaVu Sans"},
    {"Verdana", "DejaVu Sans"},
};

QString InstalledFamily(const String& designed) {
    for (const FontFamilyMapping& entry : FontFamilies)
        if (SameText(designed, entry.Designed))
            return QString::fromLatin1(entry.Installed);
    return QString::fromStdString(designed);
}

} // namespace

QFont ToQFont(const TFont& font) {
    QFont qfont(InstalledFamily(font.Name()));
    qfont.setPixelSize(std::max(1, std::abs(font.Height())));
    qfont.setBold(font.Style() & fsBold);
    qfont.setItalic(font.Style() & fsItalic);
    qfont.setUnderline(font.Style() & fsUnderline);
    qfont.setStrikeOut(font.Style() & fsStrikeOut);
    return qfont;
}
