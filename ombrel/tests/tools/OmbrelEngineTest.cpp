// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

struct EngineRun
{
    std::string out;
    int status = -1;
};

// Runs the engine with `args`; stderr is folded into the output.
EngineRun engine(const std::string &args)
{
    EngineRun r;
    const std::string command = std::string(OMBREL_ENGINE) + " " + args + " 2>&1";
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return r;
    std::array<char, 4096> buffer{};
    while (std::fgets(buffer.data(), int(buffer.size()), pipe))
        r.out += buffer.data();
    const int raw = pclose(pipe);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return r;
}

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
                      "score --depth"));

} // namespace
