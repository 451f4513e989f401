// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "GameFile.h"

#include "RecordedGame.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace ombrel::test {
namespace {

namespace fs = std::filesystem;
using C = GameFileError::Code;

// A folder of its own under the temporary folder, removed afterwards.
class TemporaryFolder
{
public:
    TemporaryFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "ombrel-record-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data());
    }
    ~TemporaryFolder() { fs::remove_all(m_path); }
    std::string operator/(const std::string &name) const { return (m_path / name).string(); }

private:
    fs::path m_path;
};

// A whole, valid file: a set-up start, two rounds, a turn.
const char *const ValidFile = "ombrel-game 1\n"
                              "# a comment\n"
                              "date 2026-12-09T10:03:02Z\n"
                              "player1 human\n"
                              "player2 computer very-difficult\n"
                              "start houses 6 seeds 1 0 0 0 0 0 0 0 0 0 0 0 stores 3 4 mover 1 "
                              "opener 1\n"
                              "round 1\n"
                              "P1 0\n"
                              "\n"
                              "round 2\n"
                              "turn\n"
                              "P1 1\n"
                              "end\n";

TEST(GameFile, readsAWholeFile)
{
    const GameFile::ReadResult result = GameFile::Parse(ValidFile);
    ASSERT_TRUE(result.Ok()) << result.Error.English();
    EXPECT_EQ(result.Record.Date, "2026-12-09T10:03:02Z");
    EXPECT_EQ(result.Record.Opponent, OpponentVeryDifficult);
    EXPECT_EQ(result.Record.ComputerSide, 1);
    ASSERT_TRUE(result.Record.Start.has_value());
    EXPECT_EQ(result.Record.Start->Stores, (StoreArray{3, 4}));
    EXPECT_EQ(result.Record.Entries,
              (std::vector<RecordEntry>{RecordEntry::Move(0, 0), RecordEntry::NextRound(),
                                        RecordEntry::Turn(), RecordEntry::Move(0, 1)}));
    EXPECT_EQ(result.Replay.Rounds(), 2);
}

TEST(GameFile, aWholeGameWithASetUpStartSurvivesWritingAndReading)
{
    const RecordedGame game = PlayRecordedGame(SetUpBoard(), 300);
    TemporaryFolder folder;
    const std::string path = folder / "game.ombrel";
    ASSERT_FALSE(GameFile::Write(path, game.Record));
    const GameFile::ReadResult read = GameFile::Read(path);
    ASSERT_TRUE(read.Ok()) << read.Error.English();
    EXPECT_EQ(read.Record, game.Record);
    EXPECT_EQ(read.Replay.Final().Seeds, game.Final.Seeds);
    EXPECT_EQ(read.Replay.Final().Taken, game.Final.Taken);
    EXPECT_EQ(read.Replay.Final().Mover, game.Final.Mover);
    EXPECT_EQ(GameFile::Format(read.Record), GameFile::Format(game.Record));
}

TEST(GameFile, aNewGameHasNoStartLineAndTheComputerKeepsItsSide)
{
    GameRecord record;
    record.Date = "2024-02-29T23:59:59Z";
    record.Opponent = OpponentEasy;
    record.ComputerSide = 0;
    record.AddMove(0, 2);
    const std::string text = GameFile::Format(record);
    EXPECT_EQ(text.find("start"), std::string::npos);
    EXPECT_NE(text.find("player1 computer easy\nplayer2 human\n"), std::string::npos);
    const GameFile::ReadResult read = GameFile::Parse(text);
    ASSERT_TRUE(read.Ok()) << read.Error.English();
    EXPECT_EQ(read.Record, record);
}

TEST(GameFile, acceptsWindowsLineEndsAndTabs)
{
    std::string text = ValidFile;
    for (auto at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2))
        text.replace(at, 1, "\r\n");
    text.replace(text.find("P1 1"), 4, "P1\t 1");
    EXPECT_TRUE(GameFile::Parse(text).Ok());
}

struct DamageCase
{
    const char *name;
    const char *find;    // the text replaced in ValidFile ("" : the whole file)
    std::string replace; // its replacement
    C code;
    int line;
};

void PrintTo(const DamageCase &damage, std::ostream *out)
{
    *out << damage.name;
}

class GameFileRefuses : public testing::TestWithParam<DamageCase>
{
};

TEST_P(GameFileRefuses, aDamagedFileNamingWhatAndWhere)
{
    const DamageCase &damage = GetParam();
    std::string text = ValidFile;
    if (*damage.find == '\0')
        text = damage.replace;
    else
        text.replace(text.find(damage.find), std::strlen(damage.find), damage.replace);
    const GameFile::ReadResult result = GameFile::Parse(text);
    EXPECT_FALSE(result.Ok());
    EXPECT_EQ(result.Error.code(), damage.code) << result.Error.English();
    EXPECT_EQ(result.Error.line(), damage.line) << result.Error.English();
}

std::string ManyTurns(int count)
{
    std::string turns;
    for (int i = 0; i < count; ++i)
        turns += "turn\n";
    return turns;
}

INSTANTIATE_TEST_SUITE_P(
    Table, GameFileRefuses,
    testing::Values(
        DamageCase{"empty", "", "", C::NotAGameFile, 1},
        DamageCase{"otherText", "", "hello\n", C::NotAGameFile, 1},
        DamageCase{"commentFirst", "", std::string("# x\n") + ValidFile, C::NotAGameFile, 1},
        DamageCase{"newerVersion", "ombrel-game 1", "ombrel-game 2", C::NewerVersion, 1},
        DamageCase{"noDate", "date 2026-12-09T10:03:02Z\n", "", C::ExpectedHeader, 3},
        DamageCase{"noSuchDay", "2026-12-09", "2025-02-29", C::BadDate, 3},
        DamageCase{"badHour", "T10:", "T24:", C::BadDate, 3},
        DamageCase{"unknownPlayer", "player1 human", "player1 robot", C::BadPlayer, 4},
        DamageCase{"unknownLevel", "very-difficult", "hard", C::BadPlayer, 5},
        DamageCase{"twoComputers", "player1 human", "player1 computer easy", C::TwoComputers, 5},
        DamageCase{"elevenSeeds", "seeds 1 0", "seeds 1", C::BadStart, 6},
        DamageCase{"thirteenHouses", "houses 6", "houses 13", C::NumberOutOfRange, 6},
        DamageCase{"tooManySeeds", "seeds 1", "seeds 10000", C::NumberOutOfRange, 6},
        DamageCase{"negativeSeeds", "seeds 1", "seeds -1", C::BadStart, 6},
        DamageCase{"thirdPlayerMoves", "mover 1", "mover 3", C::NumberOutOfRange, 6},
        DamageCase{"noFirstRound", "round 1\n", "", C::ExpectedFirstRound, 7},
        DamageCase{"skippedRound", "round 2", "round 3", C::WrongRoundNumber, 10},
        DamageCase{"thirdPlayer", "P1 1", "P3 1", C::UnknownLine, 12},
        DamageCase{"noSuchHouse", "P1 1", "P1 12", C::NumberOutOfRange, 12},
        DamageCase{"hugeNumber", "P1 1", "P1 99999999999999999999", C::UnknownLine, 12},
        DamageCase{"unknownWord", "turn", "pass", C::UnknownLine, 11},
        DamageCase{"truncated", "end\n", "", C::Truncated, 12},
        DamageCase{"cutMidLine", "P1 1\nend\n", "P", C::UnknownLine, 12},
        DamageCase{"textAfterEnd", "end\n", "end\nP1 1\n", C::TextAfterEnd, 14},
        DamageCase{"longLine", "# a comment", "#" + std::string(300, 'x'), C::LineTooLong, 2},
        DamageCase{"nulByte", "turn", std::string("tu\0rn", 5), C::BadCharacter, 11},
        DamageCase{"notAscii", "# a comment", "# \xc3\xa9t\xc3\xa9", C::BadCharacter, 2},
        DamageCase{"tooLarge", "", std::string(GameFile::MaxBytes + 1, '#'), C::TooLarge, 0},
        DamageCase{"tooManyEntries", "turn\n", ManyTurns(GameFile::MaxEntries), C::TooManyEntries,
                   10009},
        DamageCase{"wrongPlayer", "P1 0", "P2 0", C::NotToMove, 8},
        DamageCase{"othersHouse", "P1 0", "P1 7", C::NotOwner, 8},
        DamageCase{"emptyHouse", "P1 0", "P1 4", C::EmptyHouse, 8},
        DamageCase{"roundNotOver", "P1 0\n", "turn\n", C::RoundNotOver, 10},
        DamageCase{"roundOver", "round 2\n", "", C::RoundOver, 10}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(GameFile, readingRefusesWhatIsNotAFileOfBoundedSize)
{
    TemporaryFolder folder;
    EXPECT_EQ(GameFile::Read(folder / "missing.ombrel").Error.code(), C::CannotOpen);
    fs::create_directory(folder / "folder.ombrel");
    EXPECT_EQ(GameFile::Read(folder / "folder.ombrel").Error.code(), C::NotAFile);
    ASSERT_EQ(::mkfifo((folder / "pipe.ombrel").c_str(), 0600), 0);
    EXPECT_EQ(GameFile::Read(folder / "pipe.ombrel").Error.code(), C::NotAFile);
    std::ofstream(folder / "large.ombrel") << std::string(GameFile::MaxBytes + 10, '#');
    EXPECT_EQ(GameFile::Read(folder / "large.ombrel").Error.code(), C::TooLarge);
}

TEST(GameFile, aRecordThatWouldNotReadBackIsNotWritten)
{
    TemporaryFolder folder;
    const std::string path = folder / "game.ombrel";
    std::ofstream(path) << "old";
    GameRecord record; // no date
    EXPECT_EQ(GameFile::Write(path, record).code(), C::BadDate);
    record.Date = GameRecord::DateNow();
    record.AddMove(1, 0); // Player 1 opens a new game
    EXPECT_EQ(GameFile::Write(path, record).code(), C::NotToMove);
    std::ifstream in(path);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old");
}

TEST(GameFile, todaysDateReadsBack)
{
    GameRecord record;
    record.Date = GameRecord::DateNow();
    EXPECT_TRUE(GameFile::Parse(GameFile::Format(record)).Ok()) << record.Date;
}

TEST(GameFileError, namesTheLineAndTheValue)
{
    EXPECT_EQ(GameFileError(C::EmptyHouse, 12, 7).English(), "Line 12: House 7 is empty.");
    EXPECT_EQ(GameFileError(C::WriteFailed, 0, 0, "No space left on device").English(),
              "The game could not be saved: No space left on device. The file on disk was not "
              "changed.");
}

} // namespace
} // namespace ombrel::test
