// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// The game controller owns the state of a game (board, history, opponent,
// modes, the enabled state of the timers and of Undo and Stop) and carries out
// every command. It reaches the screen only through GameView, so whole games
// can be played by calls: a test calls a command, then ticks the timers.
//
// A move is animated one step per MoveTimer tick: PlayStep() calls the rules'
// SowStep() and shows the view what the step changed. EndOfMove runs after its
// last step, passes the turn (the view hears of the finished move, and of the
// end of a round or of the game) and, when it is the computer's turn, starts
// ComputerMove, which searches, picks a house and starts FlashTimer; the view
// blinks the house, and after the flash it is sown like a human move.
//
// The search runs inside the command that started it and pumps the view's
// events at every node, so any command may arrive in the middle of a search.
// The controller therefore treats a running search as busy (board clicks,
// Undo, Play, Hint and Turn are refused), lets New abandon it (its result is
// dropped) and lets Stop cut it short.
//
// Some set-up positions sow for ever. The animation cuts such a move after
// MaxSownSeeds seeds, as the search does, and tells the player why it stopped;
// since PlayWholeMove can tell at the start that a move will be cut, the
// animation shows only its beginning and then finishes it in one tick.

#include "ai/Random.h"
#include "controller/GameText.h"
#include "controller/GameView.h"
#include "rules/Board.h"
#include "rules/MoveHistory.h"
#include "rules/Sowing.h"

#include <cstdint>

namespace ombrel {

class EndgameTables;

enum class MouseButton
{
    Left,
    Right,
    Middle,
    Other
};
enum class Key
{
    KeypadPlus,
    KeypadMinus,
    Other
};

// Opponent levels.
inline constexpr int OpponentHuman = 1;
inline constexpr int OpponentEasy = 2;
inline constexpr int OpponentMedium = 3;
inline constexpr int OpponentDifficult = 4;
inline constexpr int OpponentVeryDifficult = 5;
inline constexpr int OpponentExtremelyDifficult = 6;
inline constexpr int OpponentMaster = 7; // iterative deepening with the endgame tables

inline constexpr int FlashTicksForMove = 7;
inline constexpr int FlashTicksForHint = 2;
// A sowing known to be endless is shown for this many seeds, then finished at once.
inline constexpr int EndlessSeedsShown = 2 * HouseCount;

class GameController
{
public:
    // Sets up a new game: four seeds everywhere, Player 1 to move, the
    // computer (Difficult) playing Player 2. `randomSeed` seeds the generator
    // that breaks ties between equally good houses (the window passes the time).
    GameController(GameView &view, std::uint64_t randomSeed);
    ~GameController();
    GameController(const GameController &) = delete;
    GameController &operator=(const GameController &) = delete;

    // Commands. Each is what the window's handler of the same name calls.
    void NewGameExecute();
    // A release of `button` on the board over house `house` (-1: over no
    // house); the window turns the point into the house.
    void BoardClick(MouseButton button, int house);
    void MoveTimerTimer();
    void FlashTimerTimer();
    void Play1Click();
    void Hint1Click();
    void Turn1Click();
    void SetupItemClick();
    void FormKeyUp(Key key);
    void UndoActionExecute();
    // Plays again the move the last Undo took back, while the board is still
    // the position it was taken back to.
    void RedoActionExecute();
    void StopActionExecute();
    void HumanExecute() { SetOpponent(OpponentHuman); }
    void ComputerEasyExecute() { SetOpponent(OpponentEasy); }
    void ComputerMediumExecute() { SetOpponent(OpponentMedium); }
    void ComputerDifficultExecute() { SetOpponent(OpponentDifficult); }
    void ComputerVeryDifficultExecute() { SetOpponent(OpponentVeryDifficult); }
    void ComputerExtremelyDifficultExecute() { SetOpponent(OpponentExtremelyDifficult); }
    void ComputerMasterExecute() { SetOpponent(OpponentMaster); }

    // The Master level's time for a move (Stop plays at once), and the
    // endgame tables it uses (not owned; null for none).
    void SetMasterSeconds(double seconds) noexcept { m_masterSeconds = seconds; }
    double MasterSeconds() const noexcept { return m_masterSeconds; }
    void SetEndgameTables(const EndgameTables *tables) noexcept { m_tables = tables; }

    void SetOpponent(int level);
    // The side the computer plays (0 or 1).
    void SetComputerSide(int side) noexcept { m_computerSide = side == 0 ? 0 : 1; }
    // Goes on with a game read from a file: `board` between moves, the
    // players, the round it stands in, the undo history of that round (the
    // moves the file played in it; nothing to redo) and whether the game was
    // over. Refused (false) while busy.
    bool LoadGame(const TBoard &board, int opponent, int computerSide, int round,
                  MoveHistory history = {}, bool gameOver = false);
    // After LoadGame: when the computer is to move, its turn starts as it
    // would after the other player's move. Nothing happens after the end of a
    // round or of the game, in setup mode, or while busy.
    void ResumePlay();
    void SetSetupMode(bool on);

    // A sowing that will be cut after MaxSownSeeds seeds (the search knows it
    // when the move starts) is normally finished in one tick once the player
    // has seen EndlessSeedsShown seeds of it; off, it is animated to the cut.
    // The board afterwards is the same either way.
    void SetFinishEndlessAtOnce(bool on) noexcept { m_finishEndlessAtOnce = on; }

    // Makes a running search unwind as fast as it can and drops its result
    // (the window calls it before it closes). Nothing else changes.
    void AbandonSearch();

    // State, for the view and for tests.
    const TBoard &Board() const noexcept { return m_board; }
    // Replaces the board (tests, tools, analysis). Not while busy.
    void SetBoard(const TBoard &board);
    const MoveHistory &History() const noexcept { return m_history; }
    int Opponent() const noexcept { return m_opponent; }
    bool SetupMode() const noexcept { return m_setupMode; }
    bool HintMode() const noexcept { return m_hintMode; }
    int ChosenHouse() const noexcept { return m_chosenHouse; }
    int ComputerSide() const noexcept { return m_computerSide; }
    bool StopRequested() const noexcept { return m_stopRequested; }
    bool MoveTimerEnabled() const noexcept { return m_moveTimer; }
    bool FlashTimerEnabled() const noexcept { return m_flashTimer; }
    bool UndoEnabled() const noexcept { return m_undoEnabled; }
    bool StopEnabled() const noexcept { return m_stopEnabled; }
    bool RedoEnabled() const noexcept { return m_redoEnabled; }
    // The round being played, from 1 in a new game.
    int Round() const noexcept { return m_round; }
    // The last round ended the game, and no move was made since.
    bool GameOver() const noexcept { return m_gameOver; }
    bool IsSearching() const noexcept { return m_searchDepth > 0; }
    // A move is sown, a pick is flashing or a search runs.
    bool IsBusy() const noexcept;
    // Seeds sown so far in the current move.
    int SownThisMove() const noexcept { return m_sowing.Sown; }
    // The last move was cut after MaxSownSeeds seeds.
    bool LastMoveCut() const noexcept { return m_lastMoveCut; }
    // The move being sown will be cut after MaxSownSeeds seeds.
    bool MoveIsEndless() const noexcept { return m_endless; }
    // Search nodes visited since construction.
    std::uint64_t SearchNodes() const noexcept { return m_nodes; }
    Random &Rng() noexcept { return m_random; }

private:
    void PlayStep(int h);
    void FinishMoveAtOnce();
    void ResumeDrawing();
    // A step's drawing, skipped while a move is finished at once.
    void DrawHouse(int h);
    void DrawTaken(int player);
    // Tell the view what the board holds.
    void ShowHouse(int h);
    void ShowStore(int player);
    void ShowBoard(bool immediate);
    void EndOfMove();
    void ComputerMove();
    void ClearHistory();
    void PushSnapshot();
    void StartMove(int house);
    bool RefuseWhileBusy();
    void ShowError(GameText::Id text);
    void ShowReady();
    void SetMoveTimer(bool on);
    void SetFlashTimer(bool on);
    void SetUndoEnabled(bool on);
    void SetStopEnabled(bool on);
    void UpdateRedo();
    void StartNextRound();
    int ChooseHouse(int depth, bool &found);
    // A hint in a position the endgame tables hold: one of the best houses
    // by the tables, or -1 when the tables do not hold the position.
    int ExactHint();
    static void Pump(void *controller);

    GameView &m_view;
    int m_opponent = OpponentDifficult;
    bool m_setupMode = false;
    bool m_hintMode = false;
    TBoard m_board;
    MoveHistory m_history;
    SowingState m_sowing;
    int m_flashCount = 0;
    int m_chosenHouse = 0;
    int m_computerSide = 1;
    bool m_stopRequested = false;

    bool m_moveTimer = false;
    bool m_flashTimer = false;
    bool m_undoEnabled = false;
    bool m_stopEnabled = false;
    bool m_redoEnabled = false;
    int m_round = 1;
    bool m_gameOver = false;
    TBoard m_setupStart; // the board when setup mode was entered

    Random m_random;
    bool m_lastMoveCut = false;
    bool m_endless = false;
    bool m_finishEndlessAtOnce = true;
    bool m_drawSteps = true;       // false while a move is finished at once
    int m_searchDepth = 0;         // nesting of running searches
    bool m_cutSearch = false;      // the running search looks no deeper
    std::uint64_t m_gameEpoch = 0; // bumped by New and AbandonSearch
    std::uint64_t m_nodes = 0;
    double m_masterSeconds = 2.0;
    const EndgameTables *m_tables = nullptr;
};

} // namespace ombrel
