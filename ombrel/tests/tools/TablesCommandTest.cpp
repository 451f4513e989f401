// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// ombrel-engine's tables, solve and ladder commands, and the Master's options.
#include "EngineRun.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using ombrel::test::engine;
using ombrel::test::EngineRun;
using ombrel::test::run;

class TablesCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/ombrel-engine-tables-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string dir;
};

TEST_F(TablesCommand, buildsEveryLevelAndResumes)
{
    EngineRun r = engine("tables --seeds 4 --threads 2 --dir " + dir);
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("{\"seeds\": 4, \"positions\": 17745, \"endless\": 0"), std::string::npos)
        << r.out;
    EXPECT_EQ(::access((dir + "/seeds-04.ombt").c_str(), R_OK), 0);
    r = engine("tables --seeds 5 --dir " + dir);
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("\"seeds\": 4, \"positions\": 17745, \"endless\": 0, \"sweeps\": 0, "
                         "\"seconds\": 0.000, \"loaded\": true"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\"seeds\": 5, \"positions\": 56784"), std::string::npos) << r.out;
}

TEST_F(TablesCommand, solvesAPositionInTheTablesExactly)
{
    ASSERT_EQ(engine("tables --seeds 4 --dir " + dir).status, 0);
    // House 5's last seed makes four: one group, and Player 2 is left without
    // seeds, so the round ends at 12 : 0.
    const EngineRun r = engine("solve --seeds 0,0,0,0,0,1,3,0,0,0,0,0 --stores 11,0 --dir " + dir);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "{\"exact\": true, \"seeds\": 4, \"score\": 12, \"rest_of_round\": 1, "
                     "\"scores\": {\"5\": 12}, \"best\": [5]}\n");
}

TEST_F(TablesCommand, saysWhenAPositionIsNotInTheTables)
{
    ASSERT_EQ(engine("tables --seeds 3 --dir " + dir).status, 0);
    const EngineRun r = engine("solve --dir " + dir);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "{\"exact\": false, \"message\": \"not in the tables (48 seeds on the board, "
                     "tables up to 3)\"}\n");
}

TEST_F(TablesCommand, refusesADamagedTable)
{
    ASSERT_EQ(engine("tables --seeds 3 --dir " + dir).status, 0);
    ASSERT_EQ(::truncate((dir + "/seeds-02.ombt").c_str(), 100), 0);
    const EngineRun r = engine("solve --seeds 1,0,0,0,0,0,0,0,0,0,0,0 --dir " + dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("seeds-02.ombt: the file is 100 bytes long"), std::string::npos) << r.out;
}

struct BadOptions
{
    const char *name;
    const char *args;
    const char *message;
};

class TablesCommandOptions : public ::testing::TestWithParam<BadOptions>
{
};

TEST_P(TablesCommandOptions, areRefused)
{
    const EngineRun r = engine(GetParam().args);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find(GetParam().message), std::string::npos) << r.out;
}

INSTANTIATE_TEST_SUITE_P(
    Bad, TablesCommandOptions,
    ::testing::Values(
        BadOptions{"tooManySeeds", "tables --seeds 17", "--seeds must be between 0 and 16"},
        BadOptions{"noThreads", "tables --threads 0", "--threads must be between 1 and 64"},
        BadOptions{"levelAboveMaster", "selfplay --level1 8", "from 2 to 7"},
        BadOptions{"noTime", "selfplay --time 0", "--time must be a number of seconds"},
        BadOptions{"timeNotANumber", "selfplay --time 1s", "--time must be a number of seconds"},
        BadOptions{"oddGames", "ladder --games 3", "--games must be an even number"},
        BadOptions{"longOpening", "selfplay --opening 21", "--opening must be between 0 and 20"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
