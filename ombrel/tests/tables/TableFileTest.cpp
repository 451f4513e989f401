// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "TableFile.h"
#include "EndgameTables.h"
#include "TableBuilder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

using namespace ombrel;

namespace {

class TableFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/ombrel-tables-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        dir = pattern;
        ASSERT_TRUE(TableBuilder::BuildInto(dir, 5, 2, tables, error)) << error;
    }
    void TearDown() override
    {
        for (int s = 0; s <= 6; ++s)
            std::remove(TableFile::PathFor(dir, s).c_str());
        ::rmdir(dir.c_str());
    }

    std::string bytesOf(int seeds) { return TableFile::Encode(tables.Level(seeds)); }
    bool parse(const std::string &bytes, int seeds)
    {
        TableLevel level;
        return TableFile::Parse(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size(),
                                seeds, level, error);
    }

    std::string dir;
    std::string error;
    EndgameTables tables;
};

TEST_F(TableFileTest, readsBackWhatItWrote)
{
    EndgameTables again;
    ASSERT_TRUE(again.LoadFrom(dir, 5, error)) << error;
    ASSERT_EQ(again.MaxSeeds(), 5);
    for (int s = 0; s <= 5; ++s)
        EXPECT_EQ(again.Level(s).Packed(), tables.Level(s).Packed());
}

TEST_F(TableFileTest, resumesFromTheLevelsOnTheDisk)
{
    EndgameTables more;
    std::vector<LevelStats> reports;
    ASSERT_TRUE(TableBuilder::BuildInto(dir, 6, 1, more, error, {},
                                        [&](const LevelStats &s) { reports.push_back(s); }));
    ASSERT_EQ(reports.size(), 7u);
    for (int s = 0; s <= 5; ++s)
        EXPECT_TRUE(reports[s].Loaded);
    EXPECT_FALSE(reports[6].Loaded);
}

struct Damage
{
    const char *name;
    std::size_t offset;
    int xorMask; // 0: cut the file at `offset` instead
    const char *message;
};

class TableFileDamage : public TableFileTest, public ::testing::WithParamInterface<Damage>
{
};

TEST_P(TableFileDamage, isRefusedWithAReason)
{
    std::string bytes = bytesOf(5);
    const Damage &d = GetParam();
    if (d.xorMask == 0)
        bytes.resize(d.offset);
    else
        bytes[d.offset < bytes.size() ? d.offset : bytes.size() - 1] ^= char(d.xorMask);
    EXPECT_FALSE(parse(bytes, 5));
    EXPECT_NE(error.find(d.message), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(Damages, TableFileDamage,
                         ::testing::Values(Damage{"magic", 0, 1, "not an Ombrel endgame table"},
                                           Damage{"version", 8, 2,
                                                  "table format 3, this program reads format 1"},
                                           Damage{"level", 12, 1, "the level of 4 seeds, not 5"},
                                           Damage{"count", 16, 1, "counts do not fit"},
                                           Damage{"payloadByte", 100, 0x10, "checksum"},
                                           Damage{"lastByte", 1u << 30, 0x01, "checksum"},
                                           Damage{"truncated", 1000, 0, "damaged"},
                                           Damage{"header", 20, 0, "not an Ombrel endgame table"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(TableFileTest, refusesAValueOutsideTheLevelEvenWithAGoodChecksum)
{
    TableLevel level = tables.Level(5);
    std::vector<std::uint8_t> packed = level.Packed();
    packed[3] = 0xFF; // +7 where at most 1 group can be won
    const std::string bytes = TableFile::Encode(TableLevel(5, packed, 0));
    EXPECT_FALSE(parse(bytes, 5));
    EXPECT_NE(error.find("outside the level's range"), std::string::npos) << error;
}

TEST_F(TableFileTest, loadingADamagedLevelFailsAndNamesTheFile)
{
    const std::string path = TableFile::PathFor(dir, 3);
    {
        std::ofstream(path, std::ios::binary | std::ios::app) << 'x';
    }
    EndgameTables again;
    EXPECT_FALSE(again.LoadFrom(dir, 5, error));
    EXPECT_NE(error.find(path), std::string::npos) << error;
}

TEST_F(TableFileTest, aFailedWriteLeavesNothingBehind)
{
    const std::string path = dir + "/missing/seeds-05.ombt";
    EXPECT_FALSE(TableFile::Write(path, tables.Level(5), error));
    EXPECT_FALSE(error.empty());
    struct stat info;
    EXPECT_NE(::stat(path.c_str(), &info), 0);
    EXPECT_NE(::stat((path + ".part").c_str(), &info), 0);
}

} // namespace
