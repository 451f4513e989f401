// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// Bitmaps and palettes with known pixels for the glyph and button suites.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPolygon>

namespace buttontest {

// The classic transparent colour of glyph bitmaps (TColor clOlive).
inline const QRgb olive = qRgb(0x80, 0x80, 0x00);
// One colour per cell, so an image tells which cell it was copied from.
inline const QRgb cellColors[5] = {qRgb(200, 0, 0), qRgb(0, 160, 0), qRgb(0, 0, 220),
                                   qRgb(200, 200, 0), qRgb(150, 0, 150)};

// `cells` square cells of `side` pixels: olive, with the cell's colour in the
// middle (a square from side/4 to 3*side/4).
inline QImage cellStrip(int cells, int side = 16)
{
    QImage image(cells * side, side, QImage::Format_RGB32);
    image.fill(olive);
    for (int c = 0; c < cells; ++c)
        for (int y = side / 4; y < 3 * side / 4; ++y)
            for (int x = side / 4; x < 3 * side / 4; ++x)
                image.setPixel(c * side + x, y, cellColors[c % 5]);
    return image;
}

// A palette whose button face, shadow and highlight are easy to tell apart.
inline QPalette knownPalette(QColor face = QColor(0xD0, 0xD0, 0xD0),
                             QColor shadow = QColor(0x40, 0x40, 0x90),
                             QColor highlight = QColor(0xF0, 0xF0, 0x90))
{
    QPalette palette;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Button, face);
        palette.setColor(group, QPalette::Window, face);
        palette.setColor(group, QPalette::Dark, shadow);
        palette.setColor(group, QPalette::Light, highlight);
    }
    return palette;
}

// A five-look button bitmap of 24-pixel cells as a designer would paint it:
// raised frame when hot, sunken when pressed, flat at rest, grey when disabled.
// Without a symbol colour the cells hold only the frames, for captions.
inline QImage fancyStrip(QRgb symbol = qRgb(0x00, 0x80, 0x00), int side = 24, int width = 0,
                         bool withSymbol = true)
{
    if (width == 0)
        width = side;
    QImage image(5 * width, side, QImage::Format_RGB32);
    image.fill(olive);
    QPainter p(&image);
    auto frame = [&](int cell, QColor topLeft, QColor bottomRight) {
        const int x0 = cell * width;
        p.fillRect(x0 + 1, 1, width - 2, side - 2, QColor(0xC0, 0xC0, 0xC0));
        p.setPen(topLeft);
        p.drawLine(x0, 0, x0 + width - 2, 0);
        p.drawLine(x0, 0, x0, side - 2);
        p.setPen(bottomRight);
        p.drawLine(x0 + width - 1, 0, x0 + width - 1, side - 1);
        p.drawLine(x0 + 1, side - 1, x0 + width - 1, side - 1); // corner stays transparent
    };
    auto arrow = [&](int cell, int shift, QColor color) {
        if (!withSymbol)
            return;
        const int x0 = cell * width + shift;
        const QPolygon triangle(
            {QPoint(x0 + 8, 5 + shift), QPoint(x0 + 17, 12 + shift), QPoint(x0 + 8, 19 + shift)});
        p.setPen(Qt::black);
        p.setBrush(color);
        p.drawPolygon(triangle);
    };
    frame(0, Qt::white, QColor(0x80, 0x80, 0x80));
    arrow(0, 0, QColor(symbol).lighter(140));
    frame(1, QColor(0x80, 0x80, 0x80), Qt::white);
    arrow(1, 1, QColor(symbol));
    arrow(2, 0, QColor(symbol));
    frame(3, Qt::black, Qt::black);
    arrow(4, 0, QColor(0x80, 0x80, 0x80));
    return image;
}

} // namespace buttontest
