#include "ColorMap.h"

#include "../Colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

struct SystemColorRole {
    TColor Color;
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
};

// Which colour of the desktop's palette stands for each system colour.
constexpr SystemColorRole SystemColorRoles[] = {
    {clScrollBar, QPalette::Active, QPalette::Button},
    {clBackground, QPalette::Active, QPalette::Window},
    {clActiveCaption, QPalette::Active, QPalette::Highlight},
    {clInactiveCaption, QPalette::Inactive, QPalette::Highlight},
    {clMenu, QPalette::Active, QPalette::Window},
    {clWindow, QPalette::Active, QPalette::Base},
    {clWindowFrame, QPalette::Active, QPalette::Shadow},
    {clMenuText, QPalette::Active, QPalette::WindowText},
    {clWindowText, QPalette::Active, QPalette::Text},
    {clCaptionText, QPalette::Active, QPalette::HighlightedText},
    {clHighlight, QPalette::Active, QPalette::Highlight},
    {clHighlightText, QPalette::Active, QPalette::HighlightedText},
    {clBtnFace, QPalette::Active, QPalette::Button},
    {clBtnShadow, QPalette::Active, QPalette::Dark},
    {clGrayText, QPalette::Disabled, QPalette::Text},
    {clBtnText, QPalette::Active, QPalette::ButtonText},
    {clBtnHighlight, QPalette::Active, QPalette::Light},
    {cl3DDkShadow, QPalette::Active, QPalette::Shadow},
    {cl3DLight, QPalette::Active, QPalette::Midlight},
    {clInfoText, QPalette::Active, QPalette::ToolTipText},
    {clInfoBk, QPalette::Active, QPalette::ToolTipBase},
};

} // namespace

TColor FromQColor(const QColor& color) {
    return RGB(color.red(), color.green(), color.blue());
}

TColor ColorToRGB(TColor color) {
    if (!(color & clSystemColor))
        return color & 0xFFFFFF;
    QPalette palette = QGuiApplication::palette();
    for (const SystemColorRole& entry : SystemColorRoles)
        if (entry.Color == color)
            return FromQColor(palette.color(entry.Group, entry.Role));
    return FromQColor(palette.color(QPalette::Active, QPalette::Window));
}

QColor ToQColor(TColor color) {
    TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}
