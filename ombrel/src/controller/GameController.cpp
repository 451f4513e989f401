// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "controller/GameController.h"

#include "EndgameTables.h"
#include "ai/MasterSearch.h"
#include "ai/Search.h"
#include "rules/Sowing.h"

#include <string>
#include <utility>

namespace ombrel {

namespace {

using Id = GameText::Id;
const GameText CaptionGame(Id::CaptionGame);
const GameText CaptionError(Id::CaptionError);

// Keeps the search nesting count right however the search is left.
class SearchScope
{
public:
    explicit SearchScope(int &depth) : m_depth(depth) { ++m_depth; }
    ~SearchScope() { --m_depth; }
    SearchScope(const SearchScope &) = delete;
    SearchScope &operator=(const SearchScope &) = delete;

private:
    int &m_depth;
};

} // namespace

GameController::GameController(GameView &view, std::uint64_t randomSeed)
    : m_view(view), m_random(randomSeed)
{
    InitBoard(m_board);
    m_computerSide = 1;
    SetOpponent(OpponentDifficult);
    m_hintMode = false;
    SetSetupMode(false);
}

// The history frees its snapshots itself; the view may already be half gone.
GameController::~GameController() = default;

bool GameController::IsBusy() const noexcept
{
    return m_moveTimer || m_flashTimer || m_stopEnabled || IsSearching();
}

void GameController::SetBoard(const TBoard &board)
{
    if (IsBusy())
        return;
    m_board = board;
    ShowBoard(false);
    UpdateRedo();
}

// --- commands ---------------------------------------------------------------

void GameController::NewGameExecute()
{
    if (IsSearching()) {
        // The search unwinds at its next node; its result is dropped.
        m_cutSearch = true;
    }
    ++m_gameEpoch;
    SetMoveTimer(false);
    SetFlashTimer(false);
    SetStopEnabled(false);
    m_view.SetBoardCursor(BoardCursor::Hand);
    m_board.RoundStarter = 1;
    m_board.Taken[0] = 6;
    NewRound(m_board);
    ClearHistory();
    m_round = 1;
    m_gameOver = false;
    m_view.GameStarted(m_board);
    ShowBoard(false);
    m_hintMode = false;
    // Whatever the line said before (a move, a search New abandoned, the
    // other player's turn), it is Player 1's turn now.
    ShowReady();
}

void GameController::BoardClick(MouseButton button, int h)
{
    // Refused wherever it lands, also on no house at all.
    if (IsBusy()) {
        ShowError(Id::Busy);
        return;
    }
    if (h < 0 || h >= HouseCount)
        return;
    if (m_setupMode) {
        if (button == MouseButton::Left)
            ++m_board.Seeds[h];
        else if (m_board.Seeds[h] > 0)
            --m_board.Seeds[h];
        ShowHouse(h);
        UpdateRedo();
        return;
    }
    if (OwnerOf(m_board, h) != m_board.Mover) {
        ShowError(Id::NotOwner);
        return;
    }
    if (m_board.Seeds[h] == 0) {
        ShowError(Id::Empty);
        return;
    }
    PushSnapshot();
    m_history.MarkMove(m_board.Mover, h);
    StartMove(h);
}

void GameController::MoveTimerTimer()
{
    if (!m_moveTimer)
        return; // a tick that was already queued when the timer stopped
    const int mover = m_board.Mover;
    if (m_opponent > OpponentHuman && mover == m_computerSide)
        m_view.SetStatusText(GameText(Id::ComputerPlaying));
    else
        m_view.SetStatusText(GameText(Id::PlayerPlaying, mover + 1));
    m_view.SetBoardCursor(BoardCursor::Busy);
    if (m_endless && m_finishEndlessAtOnce && m_sowing.Sown >= EndlessSeedsShown) {
        FinishMoveAtOnce();
        return;
    }
    PlayStep(NextSowHouse(m_board));
}

void GameController::FlashTimerTimer()
{
    if (!m_flashTimer)
        return;
    ++m_flashCount;
    const int h = m_chosenHouse;
    m_view.ShowBlink(h, m_flashCount % 2 == 1);
    if (m_hintMode) {
        if (m_flashCount >= FlashTicksForHint) {
            SetFlashTimer(false);
            m_hintMode = false;
        }
        return;
    }
    if (m_flashCount >= FlashTicksForMove) {
        SetFlashTimer(false);
        StartMove(h);
    }
}

void GameController::Play1Click()
{
    if (RefuseWhileBusy())
        return;
    if (m_opponent == OpponentHuman)
        SetOpponent(OpponentDifficult);
    SetSetupMode(false);
    m_computerSide = m_board.Mover;
    ComputerMove();
}

void GameController::Hint1Click()
{
    if (RefuseWhileBusy())
        return;
    const int side = m_computerSide;
    const int opponent = m_opponent;
    m_computerSide = m_board.Mover;
    m_hintMode = true;
    if (m_opponent == OpponentHuman)
        SetOpponent(OpponentExtremelyDifficult);
    SetSetupMode(false);
    ComputerMove();
    SetOpponent(opponent);
    m_computerSide = side;
}

void GameController::Turn1Click()
{
    if (RefuseWhileBusy())
        return;
    m_computerSide = 1 - m_computerSide;
    m_board.Mover = std::uint8_t(1 - m_board.Mover);
    m_view.Turned();
    UpdateRedo();
}

void GameController::SetupItemClick()
{
    SetSetupMode(!m_setupMode);
    if (m_setupMode)
        m_view.SetStatusText(GameText(Id::SetupHelp));
}

void GameController::FormKeyUp(Key key)
{
    if (!m_setupMode)
        return;
    if (key == Key::KeypadPlus && m_board.Player1Houses < HouseCount)
        ++m_board.Player1Houses;
    else if (key == Key::KeypadMinus && m_board.Player1Houses > 0)
        --m_board.Player1Houses;
    ShowBoard(true);
    UpdateRedo();
}

void GameController::UndoActionExecute()
{
    if (RefuseWhileBusy())
        return;
    if (!m_history.PopInto(m_board))
        return;
    SetUndoEnabled(!m_history.Empty());
    ShowBoard(false);
    m_board.Mover = std::uint8_t(1 - m_board.Mover);
    m_view.MoveUndone(m_board);
    ShowReady();
}

void GameController::RedoActionExecute()
{
    if (RefuseWhileBusy())
        return;
    const int house = m_history.Redo(m_board);
    if (house < 0) {
        UpdateRedo();
        return;
    }
    SetUndoEnabled(true);
    StartMove(house);
}

bool GameController::LoadGame(const TBoard &board, int opponent, int computerSide, int round,
                              MoveHistory history, bool gameOver)
{
    if (IsBusy())
        return false;
    m_setupMode = false; // the loaded board is no edit of this one
    SetSetupMode(false);
    m_hintMode = false;
    m_board = board;
    SetOpponent(opponent);
    SetComputerSide(computerSide);
    m_history = std::move(history);
    m_history.ClearRedo();
    SetUndoEnabled(!m_history.Empty());
    m_round = round < 1 ? 1 : round;
    m_gameOver = gameOver;
    ShowBoard(false);
    ShowReady();
    if (gameOver)
        m_view.SetStatusText(GameText(Id::GameOver));
    return true;
}

// The same test as at the end of a move (EndOfMove), where the round and the
// game go on.
void GameController::ResumePlay()
{
    if (IsBusy() || m_setupMode || m_gameOver || RoundIsOver(m_board))
        return;
    if (m_opponent > OpponentHuman && m_board.Mover == m_computerSide)
        ComputerMove();
}

void GameController::StopActionExecute()
{
    if (!m_stopEnabled)
        return;
    m_stopRequested = true;
    m_cutSearch = true;
    SetStopEnabled(false);
}

void GameController::AbandonSearch()
{
    if (!IsSearching())
        return;
    m_cutSearch = true;
    ++m_gameEpoch;
}

void GameController::SetOpponent(int level)
{
    if (level < OpponentHuman || level > OpponentMaster)
        return;
    m_opponent = level;
    m_view.SetOpponentMark(level);
}

void GameController::SetSetupMode(bool on)
{
    if (on && !m_setupMode) {
        m_setupStart = m_board;
    } else if (!on && m_setupMode) {
        const TBoard &before = m_setupStart;
        if (before.Seeds != m_board.Seeds || before.Taken != m_board.Taken ||
            before.Player1Houses != m_board.Player1Houses) {
            m_history.ClearRedo();
            m_view.BoardEdited(m_board);
        }
    }
    m_setupMode = on;
    m_view.SetSetupMark(on);
    UpdateRedo();
}

// --- the move ---------------------------------------------------------------

void GameController::StartMove(int house)
{
    m_sowing = SowingState{};
    m_lastMoveCut = false;
    SeedArray seeds = m_board.Seeds;
    StoreArray stores = m_board.Taken;
    m_endless =
        PlayWholeMove(OwnerTableFor(m_board.Player1Houses), m_board.Mover, house, seeds, stores);
    m_gameOver = false;
    m_view.MoveStarted(m_board.Mover, house);
    SetMoveTimer(true);
    UpdateRedo();
    PlayStep(house);
}

// The same steps as the timer would take, without the pauses and without
// drawing each one; the board is drawn once when the move is over.
void GameController::FinishMoveAtOnce()
{
    m_drawSteps = false;
    while (m_moveTimer)
        PlayStep(NextSowHouse(m_board));
    ResumeDrawing();
}

void GameController::ResumeDrawing()
{
    if (m_drawSteps)
        return;
    m_drawSteps = true;
    ShowBoard(true);
}

void GameController::DrawHouse(int h)
{
    if (m_drawSteps)
        ShowHouse(h);
}

void GameController::DrawTaken(int player)
{
    if (m_drawSteps)
        ShowStore(player);
}

void GameController::ShowHouse(int h)
{
    m_view.ShowHouse(h, m_board.Seeds[h], OwnerOf(m_board, h));
}

void GameController::ShowStore(int player)
{
    m_view.ShowStore(player, m_board.Taken[player]);
}

void GameController::ShowBoard(bool immediate)
{
    m_view.ShowBoard(m_board, immediate);
}

void GameController::PlayStep(int h)
{
    const SowReport step = SowStep(m_board, m_sowing, h);
    switch (step.Action) {
    case SowAction::Lifted:
    case SowAction::Sowed:
        DrawHouse(h);
        return;
    case SowAction::Captured:
        DrawTaken(step.Taker);
        DrawHouse(h);
        return;
    case SowAction::Cut:
        DrawHouse(h);
        m_lastMoveCut = true;
        SetMoveTimer(false); // no tick may come while the player reads why
        ResumeDrawing();
        m_view.ShowMessage(GameText(Id::EndlessSowing), CaptionGame, MessageButtons::Ok,
                           MessageIcon::None);
        EndOfMove();
        return;
    case SowAction::Ended:
        EndOfMove();
        return;
    }
}

void GameController::EndOfMove()
{
    ResumeDrawing();
    TBoard &b = m_board;
    b.Mover = std::uint8_t(1 - b.Mover);
    m_sowing.Ending = false;
    SetMoveTimer(false);
    m_view.SetBoardCursor(BoardCursor::Hand);
    m_view.RefreshCursor();
    m_view.Beep();
    m_view.MoveFinished(b, m_lastMoveCut);

    if (RoundIsOver(b)) {
        m_view.SetStatusText(GameText(Id::RoundOver));
        ShowStore(EndRound(b));
        ShowBoard(true);
        m_view.RoundEnded(b.Taken);
        if (GameIsOver(b)) {
            // The next round gives Player 1 Taken[0] houses, so the winner
            // named is the one who gets them all (also when both stores are
            // empty, which only a set-up board can reach).
            const int winner = b.Taken[0] != 0 ? 0 : 1;
            m_view.GameEnded(winner);
            m_view.ShowMessage(GameText(winner == 0 ? Id::Player1WinsAll : Id::Player2WinsAll),
                               CaptionGame, MessageButtons::Ok, MessageIcon::None);
            m_gameOver = true;
            StartNextRound();
            ShowBoard(true);
            m_view.SetStatusText(GameText(Id::GameOver));
            return;
        }
        if (m_view.ShowMessage(GameText(Id::ContinueRound), CaptionGame, MessageButtons::YesNo,
                               MessageIcon::Question) != MessageAnswer::Yes)
            return;
        StartNextRound();
        ShowBoard(true);
    }
    ShowReady();
    if (m_opponent > OpponentHuman && b.Mover == m_computerSide)
        ComputerMove();
}

// --- the computer -----------------------------------------------------------

void GameController::ComputerMove()
{
    if (SeedsOf(m_board, m_computerSide) == 0) {
        if (m_view.ShowMessage(GameText(Id::ComputerCannotPlay), CaptionGame, MessageButtons::YesNo,
                               MessageIcon::None) == MessageAnswer::Yes) {
            StartNextRound();
            ShowBoard(false);
        }
        // No flash follows, so nothing else would end a hint.
        m_hintMode = false;
        return;
    }
    const bool hint = m_hintMode;
    if (!hint) {
        m_view.SetBoardCursor(BoardCursor::Busy);
        m_view.SetStatusText(GameText(Id::ComputerThinking));
        m_stopRequested = false;
        SetStopEnabled(true);
        PushSnapshot();
    }
    const std::uint64_t epoch = m_gameEpoch;
    const int depth = DepthForLevel(m_opponent);
    bool found = false;
    const int exactHint = hint ? ExactHint() : -1;
    const bool exact = exactHint >= 0;
    const int house = exact ? exactHint : ChooseHouse(depth < 0 ? 0 : depth, found);
    found = found || exact;
    if (epoch != m_gameEpoch)
        return; // New (or closing the window) abandoned this search

    if (!found) {
        ShowError(Id::NoBestStart);
        if (!hint) {
            m_history.Discard();
            SetUndoEnabled(!m_history.Empty());
        }
        SetStopEnabled(false);
        m_view.SetBoardCursor(BoardCursor::Hand);
        m_hintMode = false;
        return;
    }
    m_chosenHouse = house;
    if (!hint)
        m_history.MarkMove(m_computerSide, house);
    m_view.HouseChosen(house, m_board.Seeds[house], OwnerOf(m_board, house), hint, exact);
    m_flashCount = 0;
    SetFlashTimer(true);
    SetStopEnabled(false);
}

int GameController::ChooseHouse(int depth, bool &found)
{
    // Search a copy: commands run during the search may change the board.
    const TBoard position = m_board;
    SearchContext context(position.Player1Houses);
    m_cutSearch = false;
    context.Stop = &m_cutSearch;
    if (m_view.PumpsMessages()) {
        context.Pump = &GameController::Pump;
        context.PumpData = this;
    }
    if (m_opponent == OpponentMaster) {
        MasterLimits limits;
        limits.Seconds = m_masterSeconds;
        limits.Stop = &m_cutSearch;
        limits.Pump = context.Pump;
        limits.PumpData = context.PumpData;
        MasterSearch master;
        master.SetTables(m_tables);
        SearchScope scope(m_searchDepth);
        const MasterResult r = master.Choose(position, m_computerSide, limits);
        m_nodes += r.Nodes;
        found = r.House >= 0;
        return r.House;
    }
    Candidates candidates;
    {
        SearchScope scope(m_searchDepth);
        candidates = CollectCandidates(depth, m_computerSide, position, context);
    }
    m_nodes += context.Nodes;
    found = candidates.Count > 0;
    if (!found)
        return -1;
    const std::uint32_t r = m_random.Next();
    return candidates.Houses[r % std::uint32_t(candidates.Count)];
}

int GameController::ExactHint()
{
    EndgameTables::MoveValues moves;
    if (!m_tables ||
        !m_tables->ProbeMoves(m_board.Seeds, m_board.Player1Houses, m_computerSide, moves))
        return -1;
    std::array<int, HouseCount> best{};
    std::uint32_t count = 0;
    for (int h = 0; h < HouseCount; ++h)
        if (moves.Playable[std::size_t(h)] && moves.Values[std::size_t(h)] == moves.Best)
            best[count++] = h;
    if (count == 0)
        return -1;
    return best[m_random.Next() % count];
}

void GameController::Pump(void *controller)
{
    static_cast<GameController *>(controller)->m_view.PumpMessages();
}

// --- helpers ----------------------------------------------------------------

void GameController::ClearHistory()
{
    m_history.Clear();
    SetUndoEnabled(false);
}

void GameController::StartNextRound()
{
    NewRound(m_board);
    ClearHistory();
    ++m_round;
    m_view.RoundStarted();
}

void GameController::PushSnapshot()
{
    m_history.Push(m_board);
    SetUndoEnabled(true);
}

bool GameController::RefuseWhileBusy()
{
    if (!IsBusy())
        return false;
    ShowError(Id::CommandBusy);
    return true;
}

void GameController::ShowError(GameText::Id text)
{
    m_view.ShowMessage(GameText(text), CaptionError, MessageButtons::Ok, MessageIcon::Warning);
}

void GameController::ShowReady()
{
    m_view.SetStatusText(GameText(Id::PlayerReady, m_board.Mover + 1));
    UpdateRedo();
}

void GameController::SetMoveTimer(bool on)
{
    m_moveTimer = on;
    m_view.SetMoveTimer(on);
}

void GameController::SetFlashTimer(bool on)
{
    m_flashTimer = on;
    m_view.SetFlashTimer(on);
}

void GameController::SetUndoEnabled(bool on)
{
    m_undoEnabled = on;
    m_view.SetUndoEnabled(on);
    UpdateRedo();
}

void GameController::SetStopEnabled(bool on)
{
    m_stopEnabled = on;
    m_view.SetStopEnabled(on);
}

void GameController::UpdateRedo()
{
    m_redoEnabled = !IsBusy() && m_history.RedoMove(m_board) >= 0;
    m_view.SetRedoEnabled(m_redoEnabled);
}

} // namespace ombrel
