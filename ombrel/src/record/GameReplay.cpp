// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "GameReplay.h"

#include "GameController.h"
#include "HeadlessView.h"

#include <algorithm>

namespace ombrel {

namespace {

using Code = GameFileError::Code;
using Kind = RecordEntry::Kind;

// A sowing is cut after MaxSownSeeds seeds, so a move takes far fewer ticks.
constexpr long MaxTicksPerMove = 100000;

bool EndsRound(const std::string &message)
{
    return message == GameText(GameText::Id::ContinueRound).English() ||
           message == GameText(GameText::Id::Player1WinsAll).English() ||
           message == GameText(GameText::Id::Player2WinsAll).English();
}

// Why `entry` cannot be made on `board`; Code::None when it can.
GameFileError CheckEntry(const RecordEntry &entry, const TBoard &board, bool previousEndedRound)
{
    if (entry.What == Kind::NextRound)
        return previousEndedRound ? GameFileError() : GameFileError(Code::RoundNotOver, 0);
    if (previousEndedRound)
        return GameFileError(Code::RoundOver, 0);
    if (entry.What == Kind::Turn)
        return {};
    if (entry.Player != board.Mover)
        return GameFileError(Code::NotToMove, 0, entry.Player + 1);
    if (entry.House < 0 || entry.House >= HouseCount || OwnerOf(board, entry.House) != entry.Player)
        return GameFileError(Code::NotOwner, 0, entry.House);
    if (board.Seeds[entry.House] <= 0)
        return GameFileError(Code::EmptyHouse, 0, entry.House);
    return {};
}

} // namespace

GameReplay GameReplay::Run(const GameRecord &record)
{
    GameReplay replay;
    HeadlessView view;
    bool continueRound = false;
    bool roundEnded = false;
    view.SetMessageHandler([&](const std::string &text, const std::string &, MessageButtons) {
        if (EndsRound(text))
            roundEnded = true;
        return continueRound ? MessageAnswer::Yes : MessageAnswer::No;
    });
    GameController game(view, 0);
    game.SetOpponent(OpponentHuman);
    game.SetBoard(record.StartBoard());

    const auto &entries = record.Entries;
    replay.m_steps.reserve(entries.size());
    bool previousEndedRound = false;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const RecordEntry &entry = entries[i];
        const GameFileError failure = CheckEntry(entry, game.Board(), previousEndedRound);
        if (failure) {
            replay.m_failure = failure;
            replay.m_failedEntry = int(i);
            break;
        }
        if (entry.What == Kind::NextRound)
            ++replay.m_rounds;
        replay.m_steps.push_back({replay.m_rounds, game.Board(), false});
        previousEndedRound = false;
        if (entry.What == Kind::Turn) {
            game.Turn1Click();
        } else if (entry.What == Kind::Move) {
            continueRound = i + 1 < entries.size() && entries[i + 1].What == Kind::NextRound;
            roundEnded = false;
            game.BoardClick(MouseButton::Left, entry.House);
            RunTimers(game, MaxTicksPerMove);
            previousEndedRound = roundEnded;
            replay.m_steps.back().EndsRound = roundEnded;
            // A game over starts the next round by itself; "No" leaves the round over.
            replay.m_roundOver = roundEnded && !continueRound && SeedsOf(game.Board(), 0) == 0 &&
                                 SeedsOf(game.Board(), 1) == 0;
        }
    }
    replay.m_final = game.Board();
    replay.m_gameOver = game.GameOver();
    // The controller's history holds the moves of its round: the last ones.
    std::size_t wanted = game.History().Size();
    for (std::size_t i = replay.m_steps.size(); i-- > 0 && wanted > 0;) {
        if (entries[i].What != Kind::Move)
            continue;
        replay.m_roundMoves.push_back(
            {replay.m_steps[i].Before, entries[i].Player, entries[i].House});
        --wanted;
    }
    std::reverse(replay.m_roundMoves.begin(), replay.m_roundMoves.end());
    return replay;
}

MoveHistory GameReplay::RoundHistory() const
{
    MoveHistory history;
    for (const RoundMove &move : m_roundMoves) {
        history.Push(move.Before);
        history.MarkMove(move.Player, move.House);
    }
    return history;
}

} // namespace ombrel
