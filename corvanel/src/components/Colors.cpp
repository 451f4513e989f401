// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/Colors.h>

#include <QPalette>

namespace corvanel {

namespace {

// System colour indices and the palette role each one maps to.
QPalette::ColorRole roleFor(int index, QPalette::ColorGroup &group)
{
    group = QPalette::Active;
    switch (index) {
    case 0:  // scroll bar
    case 15: // button face
    case 4:  // menu
    case 25: // gradient active caption
        return QPalette::Button;
    case 1:  // background (desktop)
    case 3:  // inactive caption
    case 11: // inactive border
    case 12: // application workspace
        return QPalette::Window;
    case 2:  // active caption
    case 13: // highlight
        return QPalette::Highlight;
    case 5: // window
        return QPalette::Base;
    case 6:  // window frame
    case 21: // 3D dark shadow
        return QPalette::Shadow;
    case 7:  // menu text
    case 9:  // caption text
    case 18: // button text
        return QPalette::ButtonText;
    case 8: // window text
        return QPalette::WindowText;
    case 14: // highlight text
        return QPalette::HighlightedText;
    case 16: // button shadow
        return QPalette::Dark;
    case 17: // grey text
        group = QPalette::Disabled;
        return QPalette::WindowText;
    case 20: // button highlight
        return QPalette::Light;
    case 22: // 3D light
        return QPalette::Midlight;
    case 23: // tooltip text
        return QPalette::ToolTipText;
    case 24: // tooltip background
        return QPalette::ToolTipBase;
    default:
        return QPalette::Button;
    }
}

} // namespace

QColor systemColor(int index, const QPalette &palette)
{
    QPalette::ColorGroup group;
    const QPalette::ColorRole role = roleFor(index, group);
    return palette.color(group, role);
}

TColor systemColorRgb(int index, const QPalette &palette)
{
    return fromQColor(systemColor(index, palette));
}

QColor toQColor(TColor color, const QPalette &palette, const QColor &fallback)
{
    if (color == clNone)
        return QColor();
    if (color == clDefault)
        return fallback;
    if (isSystemColor(color))
        return systemColor(int(color & 0xFF), palette);
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

TColor fromQColor(const QColor &color) noexcept
{
    const QRgb rgb = color.rgb();
    return TColor(qRed(rgb)) | (TColor(qGreen(rgb)) << 8) | (TColor(qBlue(rgb)) << 16);
}

} // namespace corvanel
