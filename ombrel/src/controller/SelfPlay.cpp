// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "controller/SelfPlay.h"

#include "controller/GameController.h"
#include "controller/HeadlessView.h"

#include <string>

namespace ombrel {

namespace {

// Counts moves by their end.
class SelfPlayView : public HeadlessView
{
public:
    void MoveFinished(const TBoard &, bool) override { ++moves; }
    long moves = 0;
};

constexpr long TicksPerCall = 10'000'000;

} // namespace

SelfPlayResult PlaySelfGame(int level1, int level2, std::uint64_t seed,
                            const SelfPlayLimits &limits)
{
    const int levels[2] = {level1, level2};
    SelfPlayView view;
    GameController game(view, seed);
    game.SetMasterSeconds(limits.MasterSeconds);
    game.SetEndgameTables(limits.Tables);
    SelfPlayResult result;
    result.Rounds = 1;
    long roundStart = 0;

    view.SetMessageHandler([&](const std::string &text, const std::string &, MessageButtons) {
        if (text == "Game over. Continue?") {
            ++result.Rounds;
            roundStart = view.moves;
            // The controller starts the computer at once when the new opener is
            // the side it played last: give it that side's level first.
            const int opener = 1 - game.Board().RoundStarter;
            game.SetOpponent(levels[opener]);
            return MessageAnswer::Yes;
        }
        if (text.rfind("Game over. Player ", 0) == 0) {
            result.Finished = true;
            result.Winner = text[18] == '1' ? 0 : 1;
            result.FinalStores = game.Board().Taken;
            return MessageAnswer::Ok;
        }
        return MessageAnswer::Yes;
    });

    while (!result.Finished) {
        if (result.Rounds > limits.MaxRounds || view.moves - roundStart >= limits.MaxMovesPerRound)
            break;
        const bool opening = result.Rounds == 1 && view.moves < limits.RandomOpeningMoves;
        game.SetOpponent(opening ? OpponentEasy : levels[game.Board().Mover]);
        game.Play1Click();
        if (RunTimers(game, TicksPerCall) == 0 && !game.FlashTimerEnabled() && !result.Finished &&
            SeedsOf(game.Board(), game.Board().Mover) == 0)
            break; // nothing can move and nobody asked: should not happen
    }
    if (!result.Finished && result.Rounds > limits.MaxRounds)
        result.Rounds = limits.MaxRounds;
    result.Moves = view.moves;
    result.Nodes = game.SearchNodes();
    return result;
}

} // namespace ombrel
