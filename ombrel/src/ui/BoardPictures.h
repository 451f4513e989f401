// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// The pictures of the board and the command icons. Each comes from the SVG in
// the resources when it is there and from a small QPainter drawing otherwise,
// rendered once per device pixel ratio and kept.

#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QString>

#include <functional>

class QPainter;

namespace ombrel {

class BoardPictures
{
public:
    static constexpr int CellSize = 72;
    static constexpr int TakenSize = 40;
    static constexpr int IconSize = 20;

    // n seeds (0..8); 9 and above share one heap picture.
    QPixmap Seeds(int n, qreal dpr);
    // The oval of a house of player 0 (orange) or 1 (yellow).
    QPixmap House(int owner, qreal dpr);
    QPixmap Taken(qreal dpr);

    // An icon by file base name ("new", "undo", "level3", "ombrel", ...).
    static QIcon Icon(const QString &name);

private:
    QPixmap Cached(const QString &key, int size, qreal dpr,
                   const std::function<void(QPainter &)> &fallback);

    QHash<QString, QPixmap> m_cache;
};

} // namespace ombrel
