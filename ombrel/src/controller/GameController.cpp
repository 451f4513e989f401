// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "GameController.h"

#include "MasterSearch.h"
#include "Search.h"

#include <string>

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
    m_view.Repaint(false);
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
    m_view.Repaint(false);
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
        m_view.DrawHouse(h);
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
    m_capturePending = false;
    m_moveEnding = false;
    PushSnapshot();
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
    if (m_endless && m_finishEndlessAtOnce && m_sown >= EndlessSeedsShown) {
        FinishMoveAtOnce();
        return;
    }
    SowStep((m_board.SowHouse + 1) % HouseCount);
}

void GameController::FlashTimerTimer()
{
    if (!m_flashTimer)
        return;
    ++m_flashCount;
    const int h = m_chosenHouse;
    if (m_flashCount % 2 == 1) {
        const int seeds = m_board.Seeds[h];
        m_board.Seeds[h] = 0;
        m_view.DrawHouse(h);
        m_board.Seeds[h] = seeds;
    } else {
        m_view.DrawHouse(h);
    }
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
    m_view.Repaint(true);
}

void GameController::UndoActionExecute()
{
    if (RefuseWhileBusy())
        return;
    if (!m_history.PopInto(m_board))
        return;
    SetUndoEnabled(!m_history.Empty());
    m_view.Repaint(false);
    m_board.Mover = std::uint8_t(1 - m_board.Mover);
    ShowReady();
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
    m_setupMode = on;
    m_view.SetSetupMark(on);
}

// --- the move ---------------------------------------------------------------

void GameController::StartMove(int house)
{
    m_sown = 0;
    m_lastMoveCut = false;
    m_endless = SimulateMove(OwnerTableFor(m_board.Player1Houses), m_board.Mover, house,
                             m_board.Seeds, m_board.Taken)
                    .Cut;
    SetMoveTimer(true);
    SowStep(house);
}

// The same steps as the timer would take, without the pauses and without
// drawing each one; the board is drawn once when the move is over.
void GameController::FinishMoveAtOnce()
{
    m_drawSteps = false;
    while (m_moveTimer)
        SowStep((m_board.SowHouse + 1) % HouseCount);
    ResumeDrawing();
}

void GameController::ResumeDrawing()
{
    if (m_drawSteps)
        return;
    m_drawSteps = true;
    m_view.Repaint(true);
}

void GameController::DrawHouse(int h)
{
    if (m_drawSteps)
        m_view.DrawHouse(h);
}

void GameController::DrawTaken(int player)
{
    if (m_drawSteps)
        m_view.DrawTaken(player);
}

void GameController::SowStep(int h)
{
    TBoard &b = m_board;
    b.SowHouse = h;
    if (b.InHand == 0 && b.Seeds[h] == 0) {
        EndOfMove();
        return;
    }
    if (m_moveEnding) {
        b.SowHouse = (h - 1) % HouseCount;
        EndOfMove();
        return;
    }
    if (m_capturePending) {
        m_capturePending = false;
        const int taker = b.InHand == 0 ? b.Mover : OwnerOf(b, h);
        b.Taken[taker] += 1;
        DrawTaken(taker);
        b.Seeds[h] = 0;
        DrawHouse(h);
        if (b.InHand == 0)
            m_moveEnding = true;
        return;
    }
    if (b.InHand == 0) { // the start of the move, or a relay
        b.InHand = b.Seeds[h];
        b.Seeds[h] = 0;
        DrawHouse(h);
        return;
    }
    if (m_sown >= MaxSownSeeds) {
        // This sowing would never end: lay the rest down here and stop.
        b.Seeds[h] += b.InHand;
        b.InHand = 0;
        DrawHouse(h);
        m_lastMoveCut = true;
        SetMoveTimer(false); // no tick may come while the player reads why
        ResumeDrawing();
        m_view.ShowMessage(GameText(Id::EndlessSowing), CaptionGame, MessageButtons::Ok,
                           MessageIcon::None);
        EndOfMove();
        return;
    }
    if (b.InHand == 1 && b.Seeds[h] == 0)
        m_moveEnding = true;
    b.Seeds[h] += 1;
    b.InHand -= 1;
    ++m_sown;
    DrawHouse(h);
    if (b.Seeds[h] == GroupSize) {
        b.SowHouse = (h - 1) % HouseCount;
        m_capturePending = true;
    } else if (b.InHand == 0) {
        b.SowHouse = (h - 1) % HouseCount;
    }
}

void GameController::EndOfMove()
{
    ResumeDrawing();
    TBoard &b = m_board;
    b.Mover = std::uint8_t(1 - b.Mover);
    m_moveEnding = false;
    SetMoveTimer(false);
    m_view.SetBoardCursor(BoardCursor::Hand);
    m_view.RefreshCursor();
    m_view.Beep();

    if (SeedsOf(b, b.Mover) == 0) {
        m_view.SetStatusText(GameText(Id::RoundOver));
        const int w = 1 - b.Mover;
        b.Taken[w] += SeedsOf(b, w) / GroupSize;
        m_view.DrawTaken(w);
        ClearHouses(b);
        m_view.Repaint(true);
        if (b.Taken[0] == 0 || b.Taken[1] == 0) {
            // The next round gives Player 1 Taken[0] houses, so the winner
            // named is the one who gets them all (also when both stores are
            // empty, which only a set-up board can reach).
            m_view.ShowMessage(GameText(b.Taken[0] != 0 ? Id::Player1WinsAll : Id::Player2WinsAll),
                               CaptionGame, MessageButtons::Ok, MessageIcon::None);
            NewRound(b);
            ClearHistory();
            m_view.Repaint(true);
            m_view.SetStatusText(GameText(Id::GameOver));
            return;
        }
        if (m_view.ShowMessage(GameText(Id::ContinueRound), CaptionGame, MessageButtons::YesNo,
                               MessageIcon::Question) != MessageAnswer::Yes)
            return;
        NewRound(b);
        ClearHistory();
        m_view.Repaint(true);
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
            NewRound(m_board);
            ClearHistory();
            m_view.Repaint(false);
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
    const int house = ChooseHouse(depth < 0 ? 0 : depth, found);
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
    if (!hint) {
        m_capturePending = false;
        m_moveEnding = false;
    }
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
}

void GameController::SetStopEnabled(bool on)
{
    m_stopEnabled = on;
    m_view.SetStopEnabled(on);
}

} // namespace ombrel
