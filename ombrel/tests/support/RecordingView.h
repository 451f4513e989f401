// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include "controller/GameController.h"
#include "controller/GameView.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace ombrel::test {

// A view that writes down everything the controller asks of it. Questions are
// answered from a queue of scripted answers (Yes when it runs dry).
class RecordingView : public GameView
{
public:
    struct Message
    {
        std::string text, caption;
        MessageButtons buttons;
        MessageIcon icon;
    };

    // Houses shown or blinking, stores shown, whole boards shown.
    void ShowHouse(int house, int, int) override { drawnHouses.push_back(house); }
    void ShowStore(int player, int) override { drawnTaken.push_back(player); }
    void ShowBoard(const TBoard &, bool immediate) override { repaints.push_back(immediate); }
    void ShowBlink(int house, bool on) override
    {
        drawnHouses.push_back(house);
        blinks.push_back(on);
    }
    void MoveFinished(const TBoard &, bool cut) override { finishedMoves.push_back(cut); }
    void RoundEnded(const StoreArray &stores) override { roundEnds.push_back(stores); }
    void GameEnded(int winner) override { winners.push_back(winner); }
    void SetStatusText(const GameText &text) override { statusTexts.push_back(text.English()); }
    // Kept in English, as the tests read them.
    MessageAnswer ShowMessage(const GameText &text, const GameText &caption, MessageButtons buttons,
                              MessageIcon icon) override
    {
        messages.push_back({text.English(), caption.English(), buttons, icon});
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        if (answers.empty())
            return MessageAnswer::Yes;
        const MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    void Beep() override { ++beeps; }
    void SetBoardCursor(BoardCursor c) override { cursor = c; }
    void RefreshCursor() override { ++cursorRefreshes; }
    void SetMoveTimer(bool on) override { moveTimer = on; }
    void SetFlashTimer(bool on) override { flashTimer = on; }
    void SetUndoEnabled(bool on) override { undoEnabled = on; }
    void SetStopEnabled(bool on) override { stopEnabled = on; }
    void SetOpponentMark(int level) override { opponentMarks.push_back(level); }
    void SetSetupMark(bool on) override { setupMark = on; }
    void PumpMessages() override
    {
        ++pumps;
        if (onPump)
            onPump();
    }
    bool PumpsMessages() const override { return bool(onPump); }

    std::string status() const { return statusTexts.empty() ? "" : statusTexts.back(); }
    std::string lastMessage() const { return messages.empty() ? "" : messages.back().text; }
    void forget()
    {
        drawnHouses.clear();
        drawnTaken.clear();
        repaints.clear();
        statusTexts.clear();
        messages.clear();
    }

    std::vector<int> drawnHouses, drawnTaken, opponentMarks;
    std::vector<bool> repaints, blinks, finishedMoves;
    std::vector<StoreArray> roundEnds;
    std::vector<int> winners;
    std::vector<std::string> statusTexts;
    std::vector<Message> messages;
    std::deque<MessageAnswer> answers;
    std::function<void()> onPump;
    int beeps = 0, cursorRefreshes = 0;
    long pumps = 0;
    BoardCursor cursor = BoardCursor::Hand;
    bool moveTimer = false, flashTimer = false, undoEnabled = false, stopEnabled = false;
    bool setupMark = false;
};

// A board with the given seeds and stores, everything else as after InitBoard.
inline TBoard makeBoard(const SeedArray &seeds, StoreArray taken = {0, 0}, int player1Houses = 6,
                        int mover = 0)
{
    TBoard b;
    InitBoard(b);
    b.Seeds = seeds;
    b.Taken = taken;
    b.Player1Houses = player1Houses;
    b.Mover = std::uint8_t(mover);
    return b;
}

// Ticks MoveTimer until the move in progress is over; returns the ticks.
inline int finishMove(GameController &game, int limit = 100000)
{
    int ticks = 0;
    while (game.MoveTimerEnabled() && ticks < limit) {
        game.MoveTimerTimer();
        ++ticks;
    }
    return ticks;
}

// Ticks FlashTimer until the flash is over; returns the ticks.
inline int finishFlash(GameController &game)
{
    int ticks = 0;
    while (game.FlashTimerEnabled() && ticks < 100) {
        game.FlashTimerTimer();
        ++ticks;
    }
    return ticks;
}

} // namespace ombrel::test
