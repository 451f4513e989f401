// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include "controller/GameText.h"
#include "rules/Board.h"

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
// The view is told what to show (a house with its count and owner, a store
// with its groups, a whole board, a blink) and never reads the game back; it
// is told what happened (a move finished, a round ended, the game ended) by
// calls it may ignore.
//
// The enabled state of the timers and of the Undo and Stop commands lives in
// the controller; the Set... calls tell the view to mirror it (they may repeat
// the current state). A timer tick is the view calling the controller's
// MoveTimerTimer() or FlashTimerTimer().
class GameView
{
public:
    virtual ~GameView() = default;

    // One house with `seeds` seeds, owned by `owner` (0 or 1); one player's
    // row of `groups` captured groups (only ever called when that row grew).
    virtual void ShowHouse(int house, int seeds, int owner) = 0;
    virtual void ShowStore(int player, int groups) = 0;
    // The whole board: at once, or at the next paint.
    virtual void ShowBoard(const TBoard &board, bool immediate) = 0;
    // The computer's chosen house blinks: on, it is drawn empty; off, as it
    // is. Its count does not change.
    virtual void ShowBlink(int house, bool on) = 0;

    // A move is over and the turn has passed; `board` is the board as the
    // move left it (before the end of a round would count and clear it) and
    // `cut` tells whether the sowing was cut after MaxSownSeeds seeds.
    virtual void MoveFinished(const TBoard &board, bool cut)
    {
        (void)board;
        (void)cut;
    }
    // The round is over: the player who kept seeds has been credited with
    // them, and these are the stores.
    virtual void RoundEnded(const StoreArray &stores) { (void)stores; }
    // The game is over: `winner` (0 or 1) gets every house next time.
    virtual void GameEnded(int winner) { (void)winner; }
    // The computer chose `house` (holding `seeds`, owned by `owner`) to play
    // it, or to show it as a hint; it blinks next. `exact`: the endgame
    // tables prove the hint a best move.
    virtual void HouseChosen(int house, int seeds, int owner, bool hint, bool exact)
    {
        (void)house;
        (void)seeds;
        (void)owner;
        (void)hint;
        (void)exact;
    }

    // What the game's record needs to hear, each as it happens: a new game
    // on `board`; `player` starts sowing `house` (a human's click, the
    // computer's move after its flash, a Redo); Turn swapped the side to
    // move; a new round started after one ended; Undo took a move back,
    // leaving `board`; setup mode was left with the board changed.
    virtual void GameStarted(const TBoard &board) { (void)board; }
    virtual void MoveStarted(int player, int house)
    {
        (void)player;
        (void)house;
    }
    virtual void Turned() {}
    virtual void RoundStarted() {}
    virtual void MoveUndone(const TBoard &board) { (void)board; }
    virtual void BoardEdited(const TBoard &board) { (void)board; }

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
    virtual void SetRedoEnabled(bool enabled) { (void)enabled; }
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
