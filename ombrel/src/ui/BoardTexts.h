// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// What the board says about its houses and stores, in words: the tooltips
// and the names a screen reader reads. Whole sentences, so that a translation
// can order the words as its language needs; the counts are %n, so it can
// also choose plural forms. (The English wording puts the count last, where
// English needs no plural form.)

#include <QCoreApplication>
#include <QString>

namespace ombrel {

class BoardTexts
{
    Q_DECLARE_TR_FUNCTIONS(ombrel::BoardTexts)

public:
    // player is 0 or 1.
    static QString HouseName(int player, int seeds);
    static QString StoreName(int player, int groups);
    // Where house 0..11 is on the screen.
    static QString HouseDescription(int house);
    static QString StoreDescription(int player);
    static QString BoardName();
};

} // namespace ombrel
