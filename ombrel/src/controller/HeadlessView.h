// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include "controller/GameView.h"

#include <functional>
#include <string>

namespace ombrel {

class GameController;

// A view without a screen, for the command-line tool and tests: it draws
// nothing, answers every question by a policy (Yes by default, the handler
// gets the texts in English) and mirrors the timers.
class HeadlessView : public GameView
{
public:
    using MessageHandler = std::function<MessageAnswer(
        const std::string &text, const std::string &caption, MessageButtons buttons)>;

    void ShowHouse(int, int, int) override {}
    void ShowStore(int, int) override {}
    void ShowBoard(const TBoard &, bool) override {}
    void ShowBlink(int, bool) override {}
    void SetStatusText(const GameText &) override {}
    MessageAnswer ShowMessage(const GameText &text, const GameText &caption, MessageButtons buttons,
                              MessageIcon icon) override;
    void Beep() override {}
    void SetBoardCursor(BoardCursor) override {}
    void RefreshCursor() override {}
    void SetMoveTimer(bool enabled) override { m_moveTimer = enabled; }
    void SetFlashTimer(bool enabled) override { m_flashTimer = enabled; }
    void SetUndoEnabled(bool) override {}
    void SetStopEnabled(bool) override {}
    void SetOpponentMark(int) override {}
    void SetSetupMark(bool) override {}
    bool PumpsMessages() const override { return false; }

    // Replaces the default answers (Yes to questions, Ok to the rest).
    void SetMessageHandler(MessageHandler handler) { m_handler = std::move(handler); }

private:
    MessageHandler m_handler;
    bool m_moveTimer = false;
    bool m_flashTimer = false;
};

// Ticks the controller's timers, flash first, until neither runs or
// `maxTicks` ticks were given; returns the number of ticks.
long RunTimers(GameController &game, long maxTicks);

} // namespace ombrel
