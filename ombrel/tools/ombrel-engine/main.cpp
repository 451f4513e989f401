// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// ombrel-engine: analysis, self-play and benchmarking from the command line.
// Every run prints one JSON object on stdout; bad input prints one line on
// stderr and exits with status 2.

#include "LadderCommand.h"
#include "TableCommands.h"
#include "ai/BenchSuite.h"
#include "ai/Search.h"
#include "controller/GameController.h"
#include "controller/HeadlessView.h"
#include "controller/SelfPlay.h"
#include "tables/EndgameTables.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

using namespace ombrel;

namespace {

const char *const Usage = R"(Usage: ombrel-engine COMMAND [OPTIONS]

Commands (each prints one JSON object on stdout):
  score     Score every playable house of a player by the computer's search.
              --houses N        houses of Player 1 (0-12, default 6)
              --seeds s0,...,s11  twelve seed counts, houses 0-11 (default twelve 4s)
              --stores a,b      groups taken by Player 1 and Player 2 (default 0,0)
              --player P        the side to move, 1 or 2 (default 1)
              --depth D         search depth in moves, 1-12 (levels use 2, 4, 6, 8; default 4);
                                every further move multiplies the time by about four:
                                depth 12 takes about 6 s from the opening, longer
                                where both sides have many playable houses
            Prints {"scores": {"<house>": score, ...}, "candidates": [houses],
                    "nodes": n, "seconds": t}.
  move      Play one move with the animated sowing, tick by tick.
              --houses, --seeds, --stores, --player as for score
              --house H         the house to sow (0-11), owned by the player, not empty
            Prints {"seeds": [...], "stores": [a, b], "ticks": n, "cut": bool};
            a sowing that would never end is cut after 500 seeds.
  selfplay  Let the computer play whole games against itself.
              --level1 L        Player 1's level (default 4)
              --level2 L        Player 2's level (default 4)
                                2 Easy, 3 Medium, 4 Difficult, 5 Very Difficult,
                                6 Extremely Difficult, 7 Master
              --time T          the Master's time for a move in seconds, 0.01-60 (default 2)
              --dir PATH        the Master's endgame tables (as for tables; the
                                12-seed tables are built there first when missing)
              --games N         games to play, 1-1000 (default 1); a game takes up to
                                about a second at the highest levels; with more
                                than one game, "game k of n" is shown on stderr
                                before each game when stderr is a terminal
              --seed S          seed of the tie-breaking generator (default 1)
              --opening N       the first N moves (0-20, default 0) are played at
                                random, drawn with the same generator
            A game still running after 200 rounds, or a round after 2000
            moves, is reported as unfinished.
  ladder    Play every pair of levels (2-7) against each other and rate them.
              --games N         games a pair, 2-1000, even (default 20); each level
                                opens half of them, from the same openings of two
                                random moves
              --time T, --dir PATH  as for selfplay
              --seed S          seed of the openings (default 1)
            Prints {"pairs": [...], "ratings": [{"level": L, "elo": e, "margin": m}, ...]}:
            Elo by Bradley-Terry, Easy at 0, margin half the 95 % interval. An
            unfinished game counts half a win each.
  tables    Build the exact endgame tables by retrograde analysis.
              --seeds N         build every level up to N seeds on the board (0-16, default 12);
                                12 takes about 15 s of processor time,
                                16 (395 million positions) many minutes
              --dir PATH        where the tables live (default $XDG_CACHE_HOME/ombrel/tables)
              --threads T       threads to build with, 1-64 (default: the processors)
            Levels already in the folder are checked and kept; each level is written
            whole as soon as it is built, so a stopped run resumes. Memory: about
            1.5 bytes a position of the top level plus half a byte a position below
            it (12 seeds: 35 MB, 16 seeds: 367 MB).
            Prints {"levels": [...], "positions_per_second": r, "peak_memory_bytes": b, ...}.
  solve     The exact score of a position from the tables, and of each playable house.
              --houses, --seeds, --stores, --player as for score; --dir as for tables
            Prints {"exact": true, "score": s, "scores": {"<house>": score, ...}, ...},
            scores counted as for score (mover's store minus the other's at the end of
            the round), or {"exact": false, "message": "not in the tables, ..."}.
  bench     Search a fixed suite of positions at depth 8 (or --depth D, 1-12;
            depth 12 takes about 15 s).
            Prints {"nodes": n, "seconds": t, "nodes_per_second": r, ...}.

Houses are numbered 0-5 along the bottom row from the left and 6-11 along the
top row from the right, in sowing order. Numbers are plain decimals (no sign
but a leading minus, no spaces), and each option may be given once.
)";

// Bounds that keep every run within minutes (see the usage text).
constexpr long MaxDepth = 12;
constexpr long MaxGames = 1000;

[[noreturn]] void fail(const std::string &message)
{
    std::fprintf(stderr, "ombrel-engine: %s\n", message.c_str());
    std::exit(2);
}

long parseInteger(const std::string &text, const std::string &what)
{
    if (text.empty())
        fail(what + " needs a number");
    // std::stol would also take leading blanks and a plus sign.
    const std::size_t digits = text[0] == '-' ? 1 : 0;
    if (digits >= text.size() || text[digits] < '0' || text[digits] > '9')
        fail(what + ": '" + text + "' is not a number");
    std::size_t used = 0;
    long value = 0;
    try {
        value = std::stol(text, &used);
    } catch (const std::exception &) {
        fail(what + ": '" + text + "' is not a number");
    }
    if (used != text.size())
        fail(what + ": '" + text + "' is not a number");
    return value;
}

std::vector<long> parseList(const std::string &text, const std::string &what)
{
    std::vector<long> values;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ','))
        values.push_back(parseInteger(item, what));
    if (!text.empty() && text.back() == ',')
        fail(what + ": empty value at the end");
    return values;
}

// --name value pairs, checked against the options a command knows.
class Options
{
public:
    Options(int argc, char **argv, const std::vector<std::string> &known)
    {
        for (int i = 2; i < argc; ++i) {
            const std::string name = argv[i];
            if (name == "--help" || name == "-h") {
                std::fputs(Usage, stdout);
                std::exit(0);
            }
            bool ok = false;
            for (const auto &k : known)
                ok = ok || name == "--" + k;
            if (!ok)
                fail("unknown option '" + name + "' (see --help)");
            if (i + 1 >= argc)
                fail(name + " needs a value");
            if (m_values.count(name.substr(2)) != 0)
                fail(name + " is given more than once");
            m_values[name.substr(2)] = argv[++i];
        }
    }

    bool has(const std::string &name) const { return m_values.count(name) != 0; }
    std::string text(const std::string &name, const std::string &fallback) const
    {
        auto it = m_values.find(name);
        return it == m_values.end() ? fallback : it->second;
    }
    long integer(const std::string &name, long fallback) const
    {
        return has(name) ? parseInteger(text(name, ""), "--" + name) : fallback;
    }

private:
    std::map<std::string, std::string> m_values;
};

struct Position
{
    TBoard board;
    int player = 0;
};

Position readPosition(const Options &o)
{
    Position p;
    InitBoard(p.board);
    const long houses = o.integer("houses", 6);
    if (houses < 0 || houses > 12)
        fail("--houses must be between 0 and 12");
    p.board.Player1Houses = int(houses);

    const std::vector<long> seeds =
        parseList(o.text("seeds", "4,4,4,4,4,4,4,4,4,4,4,4"), "--seeds");
    if (seeds.size() != HouseCount)
        fail("--seeds needs exactly twelve counts, got " + std::to_string(seeds.size()));
    for (int h = 0; h < HouseCount; ++h) {
        if (seeds[h] < 0 || seeds[h] > 100000)
            fail("--seeds: house " + std::to_string(h) + " has an impossible count");
        p.board.Seeds[h] = std::int32_t(seeds[h]);
    }
    const std::vector<long> stores = parseList(o.text("stores", "0,0"), "--stores");
    if (stores.size() != 2 || stores[0] < 0 || stores[1] < 0 || stores[0] > 100000 ||
        stores[1] > 100000)
        fail("--stores needs two non-negative counts");
    p.board.Taken = {std::int32_t(stores[0]), std::int32_t(stores[1])};

    const long player = o.integer("player", 1);
    if (player != 1 && player != 2)
        fail("--player must be 1 or 2");
    p.player = int(player - 1);
    p.board.Mover = std::uint8_t(p.player);
    return p;
}

std::string jsonList(const int *values, int count)
{
    std::string s = "[";
    for (int i = 0; i < count; ++i)
        s += (i ? ", " : "") + std::to_string(values[i]);
    return s + "]";
}

int runScore(int argc, char **argv)
{
    const Options o(argc, argv, {"houses", "seeds", "stores", "player", "depth"});
    const Position p = readPosition(o);
    const long depth = o.integer("depth", 4);
    if (depth < 1 || depth > MaxDepth)
        fail("--depth must be between 1 and " + std::to_string(MaxDepth));
    SearchContext context(p.board.Player1Houses);
    const auto start = std::chrono::steady_clock::now();
    const Candidates c = CollectCandidates(int(depth), p.player, p.board, context);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::string scores;
    for (int h = 0; h < HouseCount; ++h)
        if (c.Tried[h])
            scores += (scores.empty() ? "" : ", ") + ("\"" + std::to_string(h) + "\": ") +
                      std::to_string(c.Scores[h]);
    std::printf("{\"scores\": {%s}, \"candidates\": %s, \"nodes\": %llu, \"seconds\": %.6f}\n",
                scores.c_str(), jsonList(c.Houses.data(), c.Count).c_str(),
                static_cast<unsigned long long>(context.Nodes), seconds);
    return 0;
}

// Keeps the board as the move left it, before the end of a round would count
// and clear it.
class MoveView : public HeadlessView
{
public:
    void MoveFinished(const TBoard &board, bool) override
    {
        if (!captured) {
            final = board;
            captured = true;
        }
    }
    MessageAnswer ShowMessage(const GameText &, const GameText &, MessageButtons buttons,
                              MessageIcon) override
    {
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }

    TBoard final{};
    bool captured = false;
};

int runMove(int argc, char **argv)
{
    const Options o(argc, argv, {"houses", "seeds", "stores", "player", "house"});
    const Position p = readPosition(o);
    if (!o.has("house"))
        fail("--house is required");
    const long house = o.integer("house", -1);
    if (house < 0 || house >= HouseCount)
        fail("--house must be between 0 and 11");
    if (OwnerOf(p.board, int(house)) != p.player)
        fail("house " + std::to_string(house) + " is not Player " + std::to_string(p.player + 1) +
             "'s");
    if (p.board.Seeds[house] == 0)
        fail("house " + std::to_string(house) + " is empty");

    MoveView view;
    GameController game(view, 1);
    game.SetOpponent(OpponentHuman);
    game.SetFinishEndlessAtOnce(false); // every tick of the animation is counted
    game.SetBoard(p.board);
    game.BoardClick(MouseButton::Left, int(house));
    long ticks = 0;
    while (game.MoveTimerEnabled()) {
        game.MoveTimerTimer();
        ++ticks;
    }
    const TBoard &b = view.final;
    std::printf("{\"seeds\": %s, \"stores\": [%d, %d], \"ticks\": %ld, \"cut\": %s}\n",
                jsonList(b.Seeds.data(), HouseCount).c_str(), b.Taken[0], b.Taken[1], ticks,
                game.LastMoveCut() ? "true" : "false");
    return 0;
}

int readLevel(const Options &o, const char *name)
{
    const long level = o.integer(name, 4);
    if (level < OpponentEasy || level > OpponentMaster)
        fail(std::string("--") + name + " must be a computer level from 2 to 7");
    return int(level);
}

// The Master's time for a move, in seconds.
double readTime(const Options &o)
{
    if (!o.has("time"))
        return 2.0;
    const std::string text = o.text("time", "");
    char *end = nullptr;
    const double seconds = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(seconds >= 0.01 && seconds <= 60))
        fail("--time must be a number of seconds from 0.01 to 60");
    return seconds;
}

std::string tableDirectory(const Options &o);

// The Master's tables, built first when they are missing.
void prepareTables(const Options &o, EndgameTables &tables)
{
    if (!PrepareTables(tableDirectory(o), 12, tables))
        std::exit(1);
}

// "game k of n" on stderr before each game of a run of several, and only
// when stderr is a terminal (a pipe or a log gets nothing but errors). The
// rule depends on the run alone, not on how fast the machine plays.
class Progress
{
public:
    explicit Progress(long total)
        : m_total(total), m_enabled(total > 1 && isatty(fileno(stderr)) != 0)
    {}

    void Show(long done)
    {
        if (!m_enabled)
            return;
        std::fprintf(stderr, "\rombrel-engine: game %ld of %ld", done + 1, m_total);
        std::fflush(stderr);
    }
    void Done()
    {
        if (m_enabled)
            std::fputs("\n", stderr);
    }

private:
    long m_total;
    bool m_enabled;
};

int runSelfPlay(int argc, char **argv)
{
    const Options o(argc, argv, {"level1", "level2", "games", "seed", "time", "dir", "opening"});
    const int level1 = readLevel(o, "level1");
    const int level2 = readLevel(o, "level2");
    SelfPlayLimits limits;
    limits.MasterSeconds = readTime(o);
    const long opening = o.integer("opening", 0);
    if (opening < 0 || opening > 20)
        fail("--opening must be between 0 and 20");
    limits.RandomOpeningMoves = int(opening);
    EndgameTables tables;
    if (level1 == OpponentMaster || level2 == OpponentMaster) {
        prepareTables(o, tables);
        limits.Tables = &tables;
    }
    const long games = o.integer("games", 1);
    if (games < 1 || games > MaxGames)
        fail("--games must be between 1 and " + std::to_string(MaxGames));
    const long seed = o.integer("seed", 1);
    if (seed < 0)
        fail("--seed must not be negative");

    std::string list;
    long wins[2] = {0, 0}, unfinished = 0, moves = 0, rounds = 0;
    std::uint64_t nodes = 0;
    const auto start = std::chrono::steady_clock::now();
    Progress progress(games);
    for (long g = 0; g < games; ++g) {
        progress.Show(g);
        const SelfPlayResult r =
            PlaySelfGame(level1, level2, std::uint64_t(seed) + std::uint64_t(g), limits);
        if (r.Finished)
            ++wins[r.Winner];
        else
            ++unfinished;
        moves += r.Moves;
        rounds += r.Rounds;
        nodes += r.Nodes;
        char line[256];
        std::snprintf(line, sizeof line,
                      "%s{\"game\": %ld, \"rounds\": %d, \"moves\": %ld, \"stores\": [%d, %d], "
                      "\"winner\": %s}",
                      g ? ", " : "", g + 1, r.Rounds, r.Moves, r.FinalStores[0], r.FinalStores[1],
                      r.Finished ? (r.Winner == 0 ? "1" : "2") : "null");
        list += line;
    }
    progress.Done();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("{\"games\": [%s], \"summary\": {\"games\": %ld, \"player1_wins\": %ld, "
                "\"player2_wins\": %ld, \"unfinished\": %ld, \"rounds\": %ld, \"moves\": %ld, "
                "\"nodes\": %llu, \"seconds\": %.3f}}\n",
                list.c_str(), games, wins[0], wins[1], unfinished, rounds, moves,
                static_cast<unsigned long long>(nodes), seconds);
    return 0;
}

int runBench(int argc, char **argv)
{
    const Options o(argc, argv, {"depth"});
    const long depth = o.integer("depth", 8);
    if (depth < 1 || depth > MaxDepth)
        fail("--depth must be between 1 and " + std::to_string(MaxDepth));
    const BenchResult r = RunBenchSuite(int(depth));
    std::printf("{\"depth\": %ld, \"positions\": %zu, \"nodes\": %llu, \"score_sum\": %lld, "
                "\"seconds\": %.6f, \"nodes_per_second\": %.0f}\n",
                depth, BenchPositions().size(), static_cast<unsigned long long>(r.Nodes),
                static_cast<long long>(r.ScoreSum), r.Seconds,
                r.Seconds > 0 ? double(r.Nodes) / r.Seconds : 0.0);
    return 0;
}

// The tables: a folder and a number of seeds.
constexpr long MaxBuildSeeds = 16;

std::string tableDirectory(const Options &o)
{
    const std::string dir = o.text("dir", EndgameTables::DefaultDirectory());
    if (dir.empty())
        fail("--dir needs a folder");
    return dir;
}

int runTables(int argc, char **argv)
{
    const Options o(argc, argv, {"seeds", "dir", "threads"});
    const long seeds = o.integer("seeds", 12);
    if (seeds < 0 || seeds > MaxBuildSeeds)
        fail("--seeds must be between 0 and " + std::to_string(MaxBuildSeeds));
    const long threads =
        o.integer("threads", long(std::max(1u, std::thread::hardware_concurrency())));
    if (threads < 1 || threads > 64)
        fail("--threads must be between 1 and 64");
    return RunTablesCommand(int(seeds), int(threads), tableDirectory(o));
}

int runLadder(int argc, char **argv)
{
    const Options o(argc, argv, {"games", "time", "dir", "seed"});
    const long games = o.integer("games", 20);
    if (games < 2 || games > MaxGames || games % 2 != 0)
        fail("--games must be an even number between 2 and " + std::to_string(MaxGames));
    const long seed = o.integer("seed", 1);
    if (seed < 0)
        fail("--seed must not be negative");
    const double seconds = readTime(o);
    EndgameTables tables;
    prepareTables(o, tables);
    return RunLadderCommand(games, seconds, std::uint64_t(seed), &tables);
}

int runSolve(int argc, char **argv)
{
    const Options o(argc, argv, {"houses", "seeds", "stores", "player", "dir"});
    const Position p = readPosition(o);
    return RunSolveCommand(p.board, p.player, tableDirectory(o));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        fail("no command given (see --help)");
    const std::string command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (command == "score")
        return runScore(argc, argv);
    if (command == "move")
        return runMove(argc, argv);
    if (command == "selfplay")
        return runSelfPlay(argc, argv);
    if (command == "bench")
        return runBench(argc, argv);
    if (command == "ladder")
        return runLadder(argc, argv);
    if (command == "tables")
        return runTables(argc, argv);
    if (command == "solve")
        return runSolve(argc, argv);
    fail("unknown command '" + command + "' (see --help)");
}
