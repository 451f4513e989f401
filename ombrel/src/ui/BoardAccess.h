// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// What the board's accessible interface needs of the widget that draws the
// board: the names of what it shows, the keyboard's house, and the two things
// a screen reader can do to a house. BoardView implements it.

#include <QString>

class QWidget;

namespace ombrel {

class BoardAccess
{
public:
    virtual ~BoardAccess() = default;

    // The drawing surface the board is on.
    virtual QWidget *BoardSurface() const = 0;
    // The name of item 0..13 (a house or a store) as it is shown.
    virtual QString ItemName(int item) const = 0;
    // What the analysis says of a house ("Score 3"), or nothing.
    virtual QString ItemAnalysis(int item) const
    {
        (void)item;
        return {};
    }
    // The house the keyboard works on (0..11).
    virtual int FocusHouse() const = 0;
    virtual void SetFocusHouse(int house) = 0;
    // A left click on the house, made later from the event loop: a screen
    // reader's call must not wait for a message box the click may open.
    virtual void PressHouse(int house) = 0;
};

} // namespace ombrel
