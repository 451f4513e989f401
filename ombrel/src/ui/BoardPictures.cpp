// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "ui/BoardPictures.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

#include <algorithm>
#include <array>
#include <cmath>

// The resources live in a static library: nothing would pull their
// registration in, so the first use registers them by hand.
static void InitPictureResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)done;
}

namespace ombrel {

namespace {

QPixmap Render(const QString &svgPath, int size, qreal dpr,
               const std::function<void(QPainter &)> &fallback)
{
    QPixmap pixmap(QSize(size, size) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    if (QFile::exists(svgPath)) {
        QSvgRenderer renderer(svgPath);
        renderer.render(&painter, QRectF(0, 0, size, size));
    } else {
        fallback(painter);
    }
    return pixmap;
}

void DrawSeed(QPainter &p, QPointF centre, qreal r)
{
    QRadialGradient g(centre - QPointF(r / 3, r / 3), r * 1.4);
    g.setColorAt(0, QColor(0xc8, 0x8a, 0x50));
    g.setColorAt(1, QColor(0x5a, 0x32, 0x14));
    p.setBrush(g);
    p.setPen(QPen(QColor(0x3a, 0x20, 0x0c), 0.8));
    p.drawEllipse(centre, r, r);
}

// Seed positions in a 72 cell, for 1..8 seeds.
QPointF SeedPosition(int n, int i)
{
    if (n == 1)
        return {36, 36};
    const double angle = 2 * M_PI * i / n - M_PI / 2;
    const double radius = n <= 4 ? 11 : 15;
    return {36 + radius * std::cos(angle), 36 + radius * std::sin(angle)};
}

void DrawHeap(QPainter &p)
{
    static constexpr std::array<QPointF, 12> heap = {
        QPointF(22, 44), QPointF(31, 46), QPointF(40, 46), QPointF(49, 44),
        QPointF(26, 37), QPointF(35, 38), QPointF(44, 37), QPointF(30, 30),
        QPointF(39, 30), QPointF(35, 23), QPointF(48, 32), QPointF(23, 30)};
    for (const QPointF &c : heap)
        DrawSeed(p, c, 5.5);
}

QColor IconColour(const QString &name)
{
    if (name == "new")
        return QColor(0x3a, 0x7b, 0xd5);
    if (name == "undo")
        return QColor(0x6a, 0x5a, 0xcd);
    if (name == "help")
        return QColor(0x2e, 0x8b, 0x57);
    if (name == "speed")
        return QColor(0x46, 0x82, 0xb4);
    if (name == "stop")
        return QColor(0xcc, 0x22, 0x22);
    if (name == "human")
        return QColor(0xb8, 0x86, 0x0b);
    static const std::array<QColor, 5> levels = {QColor(0x2e, 0x9e, 0x4f), QColor(0x1f, 0x77, 0xb4),
                                                 QColor(0x9b, 0x59, 0xb6), QColor(0xe6, 0x7e, 0x22),
                                                 QColor(0xc0, 0x39, 0x2b)};
    if (name.startsWith("level")) {
        const int level = std::clamp(name.mid(5).toInt(), 1, 5);
        return levels[level - 1];
    }
    return QColor(0xe0, 0x8a, 0x1e);
}

QString IconLetter(const QString &name)
{
    if (name.startsWith("level"))
        return name.mid(5);
    if (name == "help")
        return "?";
    if (name == "undo")
        return QString(QChar(0x21b6));
    if (name == "stop")
        return QString(QChar(0x2715));
    if (name == "ombrel")
        return "O";
    return name.left(1).toUpper();
}

} // namespace

QPixmap BoardPictures::Cached(const QString &key, int size, qreal dpr,
                              const std::function<void(QPainter &)> &fallback)
{
    InitPictureResources();
    const QString cacheKey = key + '@' + QString::number(dpr);
    auto it = m_cache.constFind(cacheKey);
    if (it != m_cache.constEnd())
        return *it;
    QPixmap pixmap = Render(":/pictures/" + key + ".svg", size, dpr, fallback);
    m_cache.insert(cacheKey, pixmap);
    return pixmap;
}

QPixmap BoardPictures::Seeds(int n, qreal dpr)
{
    n = std::clamp(n, 0, 9);
    return Cached(QString("seeds-%1").arg(n), CellSize, dpr, [n](QPainter &p) {
        if (n == 9) {
            DrawHeap(p);
            return;
        }
        for (int i = 0; i < n; ++i)
            DrawSeed(p, SeedPosition(n, i), 6.5);
    });
}

QPixmap BoardPictures::House(int owner, qreal dpr)
{
    const QString key = owner == 0 ? "house-player1" : "house-player2";
    return Cached(key, CellSize, dpr, [owner](QPainter &p) {
        const QColor fill = owner == 0 ? QColor(0xf0, 0x8c, 0x28) : QColor(0xf5, 0xd0, 0x3a);
        QRadialGradient g(QPointF(30, 28), 40);
        g.setColorAt(0, fill.lighter(130));
        g.setColorAt(1, fill.darker(115));
        p.setBrush(g);
        p.setPen(QPen(fill.darker(160), 1.5));
        p.drawEllipse(QRectF(4, 8, 64, 56));
    });
}

QPixmap BoardPictures::Taken(qreal dpr)
{
    return Cached("taken", TakenSize, dpr, [](QPainter &p) {
        DrawSeed(p, {14, 14}, 6);
        DrawSeed(p, {26, 14}, 6);
        DrawSeed(p, {14, 26}, 6);
        DrawSeed(p, {26, 26}, 6);
    });
}

QIcon BoardPictures::Icon(const QString &name)
{
    InitPictureResources();
    const QString path = ":/icons/" + name + ".svg";
    if (QFile::exists(path))
        return QIcon(path);
    QIcon icon;
    for (int size : {16, 20, 32, 40, 64, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal s = size / 20.0;
        p.scale(s, s);
        p.setBrush(IconColour(name));
        p.setPen(QPen(IconColour(name).darker(150), 1));
        p.drawRoundedRect(QRectF(1.5, 1.5, 17, 17), 4, 4);
        QFont font;
        font.setBold(true);
        font.setPixelSize(12);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, 20, 20), Qt::AlignCenter, IconLetter(name));
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace ombrel
