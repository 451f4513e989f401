// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include "GameController.h"
#include "GameRecord.h"
#include "HeadlessView.h"

#include <vector>

namespace ombrel::test {

// A game played through the controller as the window plays it, written down
// as it goes: the record, and the position before each of its entries.
struct RecordedGame
{
    GameRecord Record;
    std::vector<TBoard> Before;
    TBoard Final;
};

// Plays `moves` moves from `start` (two people at the board), each choosing a
// playable house by a fixed pattern; every round is continued, and one Turn
// is made after the third move.
inline RecordedGame PlayRecordedGame(const TBoard &start, int moves)
{
    RecordedGame game;
    game.Record.Date = "2026-12-09T10:03:02Z";
    game.Record.Start = StartPosition::FromBoard(start);
    HeadlessView view;
    bool roundEnded = false;
    view.SetMessageHandler([&](const std::string &text, const std::string &, MessageButtons) {
        if (text.rfind("Game over", 0) == 0)
            roundEnded = true;
        return MessageAnswer::Yes;
    });
    GameController controller(view, 1);
    controller.SetOpponent(OpponentHuman);
    controller.SetBoard(start);
    for (int move = 0; move < moves; ++move) {
        const TBoard &board = controller.Board();
        int house = -1;
        for (int i = 0; i < HouseCount && house < 0; ++i) {
            const int h = (move * 5 + i) % HouseCount;
            if (CanPlay(board, board.Mover, h))
                house = h;
        }
        if (house < 0)
            break;
        game.Before.push_back(board);
        game.Record.AddMove(board.Mover, house);
        roundEnded = false;
        controller.BoardClick(MouseButton::Left, house);
        RunTimers(controller, 1000000);
        if (roundEnded) {
            game.Before.push_back(controller.Board());
            game.Record.AddNextRound();
        }
        if (move == 2) {
            game.Before.push_back(controller.Board());
            game.Record.AddTurn();
            controller.Turn1Click();
        }
    }
    game.Final = controller.Board();
    return game;
}

// A board set up by hand: uneven seeds, seven houses for Player 1, Player 2
// to move in a round Player 2 opened.
inline TBoard SetUpBoard()
{
    TBoard board;
    InitBoard(board);
    board.Player1Houses = 7;
    board.Seeds = {3, 0, 5, 4, 2, 6, 1, 4, 4, 7, 3, 9};
    board.Taken = {1, 2};
    board.Mover = 1;
    board.RoundStarter = 1;
    return board;
}

} // namespace ombrel::test
