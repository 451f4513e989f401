// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// What the board's accessible interface needs of the window that draws the
// board: the position, the keyboard's house, and the two things a screen
// reader can do to a house. The main window implements it.

#include "Board.h"

class QWidget;

namespace ombrel {

class BoardAccess
{
public:
    virtual ~BoardAccess() = default;

    // The drawing surface the board is on.
    virtual QWidget *BoardSurface() const = 0;
    virtual const TBoard &BoardState() const = 0;
    // The house the keyboard works on (0..11).
    virtual int FocusHouse() const = 0;
    virtual void SetFocusHouse(int house) = 0;
    // A left click on the house, made later from the event loop: a screen
    // reader's call must not wait for a message box the click may open.
    virtual void PressHouse(int house) = 0;
};

} // namespace ombrel
