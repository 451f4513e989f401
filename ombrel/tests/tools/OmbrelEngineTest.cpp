// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "EngineRun.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using ombrel::test::engine;
using ombrel::test::EngineRun;
using ombrel::test::run;

TEST(OmbrelEngine, moveFromTheOpening)
{
    const EngineRun r = engine("move --house 0");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "{\"seeds\": [2, 7, 1, 6, 1, 6, 6, 6, 0, 1, 6, 6], \"stores\": [0, 0], "
                     "\"ticks\": 31, \"cut\": false}\n");
}

TEST(OmbrelEngine, moveThatWouldNeverEndIsCut)
{
    const EngineRun r = engine("move --seeds 1,0,2,1,0,1,0,2,1,2,0,2 --player 2 --house 9");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"cut\": true"), std::string::npos) << r.out;
}

TEST(OmbrelEngine, moveShowsTheBoardBeforeARoundEnds)
{
    // The last seed leaves Player 2 with nothing: the board is shown as the
    // move left it, not counted and cleared.
    const EngineRun r = engine("move --seeds 0,0,0,0,0,1,3,0,0,0,0,0 --stores 11,0 --house 5");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"stores\": [12, 0]"), std::string::npos) << r.out;
}

TEST(OmbrelEngine, scoreAfterHouseZeroAtDifficult)
{
    const EngineRun r = engine("score --seeds 2,7,1,6,1,6,6,6,0,1,6,6 --player 2 --depth 4");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("{\"scores\": {\"6\": -1, \"7\": 0, \"9\": 1, \"10\": -1, \"11\": 0}, "
                          "\"candidates\": [9], \"nodes\": 610, \"seconds\": ",
                          0),
              0u)
        << r.out;
}

TEST(OmbrelEngine, selfplayReportsEveryGameAndASummary)
{
    const EngineRun r = engine("selfplay --level1 2 --level2 3 --games 2 --seed 4");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("{\"game\": 1, "), std::string::npos);
    EXPECT_NE(r.out.find("{\"game\": 2, "), std::string::npos);
    EXPECT_NE(r.out.find("\"summary\": {\"games\": 2, "), std::string::npos);
    EXPECT_NE(r.out.find("\"unfinished\": 0"), std::string::npos) << r.out;
}

TEST(OmbrelEngine, benchPrintsTheFingerprint)
{
    const EngineRun r = engine("bench --depth 6");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"nodes\": "), std::string::npos);
    EXPECT_NE(r.out.find("\"nodes_per_second\": "), std::string::npos);
}

TEST(OmbrelEngine, helpDocumentsEveryCommand)
{
    const EngineRun r = engine("--help");
    EXPECT_EQ(r.status, 0);
    for (const char *word : {"score", "move", "selfplay", "bench", "--seeds", "--level1"})
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
}

class BadInput : public ::testing::TestWithParam<const char *>
{
};

TEST_P(BadInput, printsOneLineAndExitsWithTwo)
{
    const EngineRun r = engine(GetParam());
    EXPECT_EQ(r.status, 2) << r.out;
    ASSERT_FALSE(r.out.empty());
    EXPECT_EQ(r.out.find('\n'), r.out.size() - 1) << r.out;
    EXPECT_EQ(r.out.rfind("ombrel-engine: ", 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    OmbrelEngine, BadInput,
    ::testing::Values("", "fly", "score --houses 13", "score --houses -1", "score --seeds 1,2,3",
                      "score --seeds 4,4,4,4,4,4,4,4,4,4,4,-4",
                      "score --seeds 4,4,4,4,4,4,4,4,4,4,4,x", "score --player 3",
                      "score --depth 0", "score --stores 1", "move", "move --house 6",
                      "move --house 12", "move --seeds 0,4,4,4,4,4,4,4,4,4,4,4 --house 0",
                      "selfplay --level1 1", "selfplay --games 0", "bench --colour red",
                      "score --depth",
                      // bounded work: a day of search or of games is refused
                      "score --depth 13", "score --depth 20", "bench --depth 13",
                      "selfplay --games 1001", "selfplay --games 100000",
                      // numbers are plain decimals, options come once
                      "score --depth \" 6\"", "score --depth +6", "score --depth 6x",
                      "score --depth -", "score --seeds 4,4,4,4,4,4,4,4,4,4,4,+4",
                      "score --depth 4 --depth 5", "selfplay --games 1 --games 2"));

TEST(OmbrelEngine, helpStatesTheBounds)
{
    const EngineRun r = engine("--help");
    EXPECT_NE(r.out.find("--depth D         search depth in moves, 1-12"), std::string::npos);
    EXPECT_NE(r.out.find("--games N         games to play, 1-1000"), std::string::npos);
}

TEST(OmbrelEngine, deepestAllowedDepthIsAccepted)
{
    const EngineRun r = engine("score --seeds 0,0,0,0,3,9,0,0,0,0,0,1 --depth 12");
    EXPECT_EQ(r.status, 0) << r.out;
}

// Whether this system can give a program a terminal: containers without
// /dev/ptmx or devpts have none, and script(1) fails there.
std::string noTerminalReason()
{
    if (std::system("command -v script >/dev/null 2>&1") != 0)
        return "no script(1) to give the engine a terminal";
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0)
        return std::string("no pseudo-terminal: ") + std::strerror(errno);
    const bool usable = grantpt(master) == 0 && unlockpt(master) == 0;
    close(master);
    if (!usable)
        return "the pseudo-terminal could not be set up";
    return {};
}

// Runs the engine with stderr on a terminal and stdout thrown away; what the
// terminal showed comes back as the output.
EngineRun onATerminal(const std::string &args)
{
    return run("script -qec '" + std::string(OMBREL_ENGINE) + " " + args +
               " >/dev/null' /dev/null");
}

// Several games show "game k of n" on a terminal's stderr before each game,
// however fast they are played; one game, or a pipe, shows nothing.
TEST(OmbrelEngine, selfplayShowsProgressOnATerminalForSeveralGames)
{
    const std::string reason = noTerminalReason();
    if (!reason.empty())
        GTEST_SKIP() << reason;
    const EngineRun several = onATerminal("selfplay --level1 2 --level2 2 --games 3 --seed 3");
    EXPECT_EQ(several.status, 0);
    for (const char *shown : {"game 1 of 3", "game 2 of 3", "game 3 of 3"})
        EXPECT_NE(several.out.find(shown), std::string::npos) << several.out;

    const EngineRun one = onATerminal("selfplay --level1 2 --level2 2 --games 1");
    EXPECT_EQ(one.status, 0);
    EXPECT_EQ(one.out.find(" of 1"), std::string::npos) << one.out;
}

TEST(OmbrelEngine, selfplayThroughAPipeShowsNoProgress)
{
    // stderr into the pipe, stdout away.
    const EngineRun r = run("(" + std::string(OMBREL_ENGINE) +
                            " selfplay --level1 2 --level2 2 --games 3 --seed 3 2>&1 >/dev/null)");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
}

} // namespace
