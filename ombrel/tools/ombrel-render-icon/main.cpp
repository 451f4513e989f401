// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// ombrel-render-icon <picture.svg> <out.png> <size>
//
// Draws an SVG picture into a square PNG of the given size with a transparent
// background; the build uses it for the desktop icons of every size.

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

int fail(const char *message, const char *detail)
{
    std::fprintf(stderr, "ombrel-render-icon: %s%s\n", message, detail);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4)
        return fail("usage: ombrel-render-icon <picture.svg> <out.png> <size>", "");
    bool ok = false;
    const int size = QByteArray(argv[3]).toInt(&ok);
    if (!ok || size < 1 || size > 4096)
        return fail("the size must be a number from 1 to 4096, not ", argv[3]);

    // Drawing into an image needs no window system, only a core application.
    QCoreApplication app(argc, argv);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid())
        return fail("cannot read the picture ", argv[1]);

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG"))
        return fail("cannot write ", argv[2]);
    return 0;
}
