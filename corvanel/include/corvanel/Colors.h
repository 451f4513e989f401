// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/corvanel_export.h>

#include <QColor>
#include <QtGlobal>

class QPalette;

namespace corvanel {

/// Colours as the visual controls store them: 0x00BBGGRR for a plain colour;
/// 0x800000nn for system colour nn, resolved through a widget's palette; clNone
/// for no colour and clDefault for "let the control decide".
using TColor = quint32;

/// Plain black.
inline constexpr TColor clBlack = 0x000000;
/// Plain white.
inline constexpr TColor clWhite = 0xFFFFFF;
/// Plain olive (0x008080).
inline constexpr TColor clOlive = 0x008080;
/// Plain grey (0x808080).
inline constexpr TColor clGray = 0x808080;
/// Plain blue.
inline constexpr TColor clBlue = 0xFF0000;
/// The palette's window colour (QPalette::Base).
inline constexpr TColor clWindow = 0x80000005;
/// The palette's window text colour (QPalette::WindowText).
inline constexpr TColor clWindowText = 0x80000008;
/// The palette's button face (QPalette::Button).
inline constexpr TColor clBtnFace = 0x8000000F;
/// The palette's button shadow (QPalette::Dark).
inline constexpr TColor clBtnShadow = 0x80000010;
/// The palette's button text (QPalette::ButtonText).
inline constexpr TColor clBtnText = 0x80000012;
/// The palette's button highlight (QPalette::Light).
inline constexpr TColor clBtnHighlight = 0x80000014;
/// No colour: nothing is drawn.
inline constexpr TColor clNone = 0x1FFFFFFF;
/// The control's own choice of colour.
inline constexpr TColor clDefault = 0x20000000;

/// True for a system colour (high bit set), which a palette resolves.
constexpr bool isSystemColor(TColor c) noexcept
{
    return (c & 0x80000000u) != 0;
}

/// The palette colour standing for system colour `index` (the low byte of a
/// system TColor): button face is QPalette::Button, shadow Dark, highlight
/// Light, window Base, and so on. Unknown indices give the button face.
CORVANEL_EXPORT QColor systemColor(int index, const QPalette &palette);

/// systemColor() as a plain 0x00BBGGRR value.
CORVANEL_EXPORT TColor systemColorRgb(int index, const QPalette &palette);

/// Resolves any TColor to a QColor. clNone gives an invalid QColor; clDefault
/// gives `fallback`.
CORVANEL_EXPORT QColor toQColor(TColor color, const QPalette &palette,
                                const QColor &fallback = QColor());

/// A plain 0x00BBGGRR value for a QColor (alpha dropped).
CORVANEL_EXPORT TColor fromQColor(const QColor &color) noexcept;

} // namespace corvanel
