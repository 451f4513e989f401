// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include "GameView.h"

#include <functional>
#include <string>

namespace ombrel {

class GameController;

// A view without a screen, for the command-line tool and tests: it draws
// nothing, keeps the last status text (in English), answers every question by a policy
// (Yes by default) and mirrors the timers so that RunTimers() can tick them.
class HeadlessView : public GameView
{
public:
    using MessageHandler = std::function<MessageAnswer(
        const std::string &text, const std::string &caption, MessageButtons buttons)>;

    void DrawHouse(int) override {}
    void DrawTaken(int) override {}
    void Repaint(bool) override {}
    void SetStatusText(const GameText &text) override { m_status = text.English(); }
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

    const std::string &StatusText() const noexcept { return m_status; }
    const std::string &LastMessage() const noexcept { return m_lastMessage; }

private:
    std::string m_status;
    std::string m_lastMessage;
    MessageHandler m_handler;
    bool m_moveTimer = false;
    bool m_flashTimer = false;
};

// Ticks the controller's timers, flash first, until neither runs or
// `maxTicks` ticks were given; returns the number of ticks.
long RunTimers(GameController &game, long maxTicks);

} // namespace ombrel
