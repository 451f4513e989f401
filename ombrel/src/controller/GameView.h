// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include "GameText.h"

namespace ombrel {

enum class MessageButtons
{
    Ok,
    YesNo
};
enum class MessageIcon
{
    None,
    Warning,
    Question
};
enum class MessageAnswer
{
    Ok,
    Yes,
    No
};
enum class BoardCursor
{
    Hand,
    Busy
};

// Everything the game controller needs of the screen. The main window
// implements it; tests and the command-line tool use fakes or a headless view.
//
// The enabled state of the timers and of the Undo and Stop commands lives in
// the controller; the Set... calls tell the view to mirror it (they may repeat
// the current state). A timer tick is the view calling the controller's
// MoveTimerTimer() or FlashTimerTimer().
class GameView
{
public:
    virtual ~GameView() = default;

    // Draw one house (background oval and seed picture), or one player's row
    // of taken groups; only ever called when that row has grown.
    virtual void DrawHouse(int house) = 0;
    virtual void DrawTaken(int player) = 0;
    // The whole board again: at once, or at the next paint.
    virtual void Repaint(bool immediate) = 0;

    // Texts come as GameText: the view shows them in the player's language.
    virtual void SetStatusText(const GameText &text) = 0;
    virtual MessageAnswer ShowMessage(const GameText &text, const GameText &caption,
                                      MessageButtons buttons, MessageIcon icon) = 0;
    virtual void Beep() = 0;
    virtual void SetBoardCursor(BoardCursor cursor) = 0;
    // The pointer may have changed shape under a still mouse: show it afresh.
    virtual void RefreshCursor() = 0;

    virtual void SetMoveTimer(bool enabled) = 0;
    virtual void SetFlashTimer(bool enabled) = 0;
    virtual void SetUndoEnabled(bool enabled) = 0;
    virtual void SetStopEnabled(bool enabled) = 0;
    // The opponent level (1 Human ... 6 Extremely Difficult) and setup mode
    // changed: check the matching menu items and buttons.
    virtual void SetOpponentMark(int opponent) = 0;
    virtual void SetSetupMark(bool on) = 0;

    // Called at every node of a search. A view that pumps its event queue
    // here keeps painting and lets Stop reach the search; it should return at
    // once most of the time (pump only every few milliseconds).
    virtual void PumpMessages() {}
    // False when PumpMessages does nothing: the search then skips the call.
    virtual bool PumpsMessages() const { return true; }
};

} // namespace ombrel
