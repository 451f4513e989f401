// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "GameFile.h"

#include "GameController.h"
#include "files/AtomicFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace ombrel {

namespace {

using Code = GameFileError::Code;
using Kind = RecordEntry::Kind;

// Level names by opponent level (index 2 Easy ... 7 Master).
constexpr std::array<const char *, 8> LevelNames = {
    "", "", "easy", "medium", "difficult", "very-difficult", "extremely-difficult", "master"};

// One line that is not blank and not a comment, cut into words.
struct Line
{
    int Number = 0;
    std::vector<std::string_view> Words;
};

// Digits only, at most nine of them; -1 when the word is not such a number.
long NumberOf(std::string_view word)
{
    if (word.empty() || word.size() > 9)
        return -1;
    long value = 0;
    for (const char c : word) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool IsLeapYear(long year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// "2026-12-09T10:03:02Z", a real date and time.
bool IsDate(std::string_view text)
{
    constexpr std::string_view shape = "0000-00-00T00:00:00Z";
    if (text.size() != shape.size())
        return false;
    for (std::size_t i = 0; i < shape.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (shape[i] == '0' ? !digit : text[i] != shape[i])
            return false;
    }
    const long year = NumberOf(text.substr(0, 4));
    const long month = NumberOf(text.substr(5, 2));
    const long day = NumberOf(text.substr(8, 2));
    constexpr std::array<int, 12> days = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1 || day > days[std::size_t(month - 1)])
        return false;
    if (month == 2 && day == 29 && !IsLeapYear(year))
        return false;
    return NumberOf(text.substr(11, 2)) < 24 && NumberOf(text.substr(14, 2)) < 60 &&
           NumberOf(text.substr(17, 2)) < 60;
}

// Reads a game file's text line by line; the first fault stops it.
class Parser
{
public:
    explicit Parser(std::string_view text) : m_text(text) {}

    GameFile::ReadResult Run();

private:
    GameFileError SplitLines();
    GameFileError ReadHeader(GameRecord &record);
    GameFileError ReadPlayers(GameRecord &record);
    GameFileError ReadStart(const Line &line, StartPosition &start) const;
    GameFileError ReadEntries(GameRecord &record);
    GameFileError ReadEntry(const Line &line, int &round, GameRecord &record) const;
    GameFileError Expect(const char *word);
    const Line *Next() { return m_at < m_lines.size() ? &m_lines[m_at++] : nullptr; }
    const Line *Peek() const { return m_at < m_lines.size() ? &m_lines[m_at] : nullptr; }
    int LastLine() const { return m_lines.empty() ? 1 : m_lines.back().Number; }

    std::string_view m_text;
    std::vector<Line> m_lines;
    std::size_t m_at = 0;
    std::vector<int> m_entryLines; // the line of each entry of the record
};

GameFileError Parser::SplitLines()
{
    int number = 0;
    std::size_t begin = 0;
    while (begin < m_text.size()) {
        ++number;
        std::size_t end = m_text.find('\n', begin);
        if (end == std::string_view::npos)
            end = m_text.size();
        std::string_view text = m_text.substr(begin, end - begin);
        begin = end + 1;
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
        if (text.size() > std::size_t(GameFile::MaxLineLength))
            return GameFileError(Code::LineTooLong, number, GameFile::MaxLineLength);
        Line line{number, {}};
        std::size_t word = std::string_view::npos;
        for (std::size_t i = 0; i <= text.size(); ++i) {
            const char c = i < text.size() ? text[i] : ' ';
            if (c != ' ' && c != '\t' && (c < 0x21 || c > 0x7e))
                return GameFileError(Code::BadCharacter, number);
            if (c == ' ' || c == '\t') {
                if (word != std::string_view::npos)
                    line.Words.push_back(text.substr(word, i - word));
                word = std::string_view::npos;
            } else if (word == std::string_view::npos) {
                word = i;
            }
        }
        const bool comment = !line.Words.empty() && line.Words.front().front() == '#';
        if (!line.Words.empty() && !comment)
            m_lines.push_back(std::move(line));
        else if (number == 1)
            return GameFileError(Code::NotAGameFile, 1);
    }
    return {};
}

GameFileError Parser::Expect(const char *word)
{
    const Line *line = Peek();
    if (!line || line->Words.front() != word)
        return GameFileError(line ? Code::ExpectedHeader : Code::Truncated,
                             line ? line->Number : LastLine(), 0, word);
    return {};
}

GameFileError Parser::ReadHeader(GameRecord &record)
{
    const Line *first = Next();
    if (!first || first->Number != 1 || first->Words.front() != "ombrel-game" ||
        first->Words.size() != 2 || NumberOf(first->Words[1]) < 1)
        return GameFileError(Code::NotAGameFile, 1);
    const long version = NumberOf(first->Words[1]);
    if (version != GameFile::FormatVersion)
        return GameFileError(Code::NewerVersion, 1, version);
    if (auto error = Expect("date"))
        return error;
    const Line *date = Next();
    if (date->Words.size() != 2 || !IsDate(date->Words[1]))
        return GameFileError(Code::BadDate, date->Number);
    record.Date = std::string(date->Words[1]);
    if (auto error = ReadPlayers(record))
        return error;
    if (const Line *start = Peek(); start && start->Words.front() == "start") {
        StartPosition position;
        if (auto error = ReadStart(*Next(), position))
            return error;
        record.Start = position;
    }
    return {};
}

GameFileError Parser::ReadPlayers(GameRecord &record)
{
    std::array<int, 2> levels{}; // 0: human, else the computer's opponent level
    for (int player = 0; player < 2; ++player) {
        if (auto error = Expect(player == 0 ? "player1" : "player2"))
            return error;
        const Line *line = Next();
        const auto &words = line->Words;
        if (words.size() == 2 && words[1] == "human")
            continue;
        if (words.size() == 3 && words[1] == "computer") {
            for (int level = OpponentEasy; level <= OpponentMaster; ++level)
                if (words[2] == LevelNames[std::size_t(level)])
                    levels[std::size_t(player)] = level;
        }
        if (levels[std::size_t(player)] == 0)
            return GameFileError(Code::BadPlayer, line->Number);
    }
    if (levels[0] != 0 && levels[1] != 0)
        return GameFileError(Code::TwoComputers, m_lines[m_at - 1].Number);
    record.ComputerSide = levels[0] != 0 ? 0 : 1;
    record.Opponent = std::max({levels[0], levels[1], OpponentHuman});
    return {};
}

GameFileError Parser::ReadStart(const Line &line, StartPosition &start) const
{
    // start houses N seeds S0 .. S11 stores A B mover P opener P
    const auto &words = line.Words;
    constexpr std::size_t count = 1 + 2 + 1 + HouseCount + 3 + 2 + 2;
    if (words.size() != count || words[1] != "houses" || words[3] != "seeds" ||
        words[16] != "stores" || words[19] != "mover" || words[21] != "opener")
        return GameFileError(Code::BadStart, line.Number);
    // Every number with its bound, in the order of the line.
    std::array<long, 1 + HouseCount + 2 + 2> values{};
    constexpr std::array<std::size_t, values.size()> at = {2,  4,  5,  6,  7,  8,  9,  10, 11,
                                                           12, 13, 14, 15, 17, 18, 20, 22};
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = NumberOf(words[at[i]]);
        if (values[i] < 0)
            return GameFileError(Code::BadStart, line.Number);
        const long low = i >= 15 ? 1 : 0;
        const long high = i == 0    ? HouseCount
                          : i <= 12 ? GameFile::MaxSeedsPerHouse
                          : i <= 14 ? GameFile::MaxStore
                                    : 2;
        if (values[i] < low || values[i] > high)
            return GameFileError(Code::NumberOutOfRange, line.Number, values[i]);
    }
    start.Player1Houses = int(values[0]);
    for (int h = 0; h < HouseCount; ++h)
        start.Seeds[std::size_t(h)] = std::int32_t(values[std::size_t(h) + 1]);
    start.Stores = {std::int32_t(values[13]), std::int32_t(values[14])};
    start.Mover = int(values[15]) - 1;
    start.Opener = int(values[16]) - 1;
    return {};
}

GameFileError Parser::ReadEntry(const Line &line, int &round, GameRecord &record) const
{
    const auto &words = line.Words;
    if (words.size() == 1 && words[0] == "turn") {
        record.AddTurn();
        return {};
    }
    if (words.size() == 2 && (words[0] == "P1" || words[0] == "P2")) {
        const long house = NumberOf(words[1]);
        if (house < 0)
            return GameFileError(Code::UnknownLine, line.Number);
        if (house >= HouseCount)
            return GameFileError(Code::NumberOutOfRange, line.Number, house);
        record.AddMove(words[0] == "P1" ? 0 : 1, int(house));
        return {};
    }
    if (words.size() == 2 && words[0] == "round" && NumberOf(words[1]) >= 0) {
        if (NumberOf(words[1]) != round + 1)
            return GameFileError(Code::WrongRoundNumber, line.Number, round + 1);
        ++round;
        record.AddNextRound();
        return {};
    }
    return GameFileError(Code::UnknownLine, line.Number);
}

GameFileError Parser::ReadEntries(GameRecord &record)
{
    const Line *first = Next();
    if (!first)
        return GameFileError(Code::Truncated, LastLine());
    if (first->Words.size() != 2 || first->Words[0] != "round" || first->Words[1] != "1")
        return GameFileError(Code::ExpectedFirstRound, first->Number);
    int round = 1;
    while (const Line *line = Next()) {
        if (line->Words.size() == 1 && line->Words[0] == "end") {
            if (const Line *after = Next())
                return GameFileError(Code::TextAfterEnd, after->Number);
            return {};
        }
        if (record.Entries.size() >= std::size_t(GameFile::MaxEntries))
            return GameFileError(Code::TooManyEntries, line->Number, GameFile::MaxEntries);
        if (auto error = ReadEntry(*line, round, record))
            return error;
        m_entryLines.push_back(line->Number);
    }
    return GameFileError(Code::Truncated, LastLine());
}

GameFile::ReadResult Parser::Run()
{
    GameFile::ReadResult result;
    if (m_text.size() > GameFile::MaxBytes) {
        result.Error = GameFileError(Code::TooLarge, 0, long(GameFile::MaxBytes));
        return result;
    }
    result.Error = SplitLines();
    if (!result.Error)
        result.Error = ReadHeader(result.Record);
    if (!result.Error)
        result.Error = ReadEntries(result.Record);
    if (result.Error)
        return result;
    result.Replay = GameReplay::Run(result.Record);
    if (!result.Replay.Ok()) {
        const GameFileError &why = result.Replay.Failure();
        result.Error = GameFileError(
            why.code(), m_entryLines[std::size_t(result.Replay.FailedEntry())], why.value());
    }
    return result;
}

std::string PlayerText(const GameRecord &record, int player)
{
    if (record.Opponent == OpponentHuman || record.ComputerSide != player)
        return "human";
    const bool known = record.Opponent > OpponentHuman && record.Opponent < int(LevelNames.size());
    return std::string("computer ") + (known ? LevelNames[std::size_t(record.Opponent)] : "?");
}

std::string StartText(const StartPosition &start)
{
    std::string text = "start houses " + std::to_string(start.Player1Houses) + " seeds";
    for (const int seeds : start.Seeds)
        text += " " + std::to_string(seeds);
    text += " stores " + std::to_string(start.Stores[0]) + " " + std::to_string(start.Stores[1]);
    text += " mover " + std::to_string(start.Mover + 1);
    text += " opener " + std::to_string(start.Opener + 1);
    return text;
}

std::string ErrnoText(int error)
{
    return std::strerror(error);
}

} // namespace

std::string GameFile::Format(const GameRecord &record)
{
    std::string text = "ombrel-game " + std::to_string(FormatVersion) + "\n";
    text += "# An Ombrel game: the house each player chose, round by round.\n";
    text += "date " + record.Date + "\n";
    text += "player1 " + PlayerText(record, 0) + "\n";
    text += "player2 " + PlayerText(record, 1) + "\n";
    if (record.Start)
        text += StartText(*record.Start) + "\n";
    text += "round 1\n";
    int round = 1;
    for (const RecordEntry &entry : record.Entries) {
        switch (entry.What) {
        case Kind::Move:
            text += "P" + std::to_string(entry.Player + 1) + " " + std::to_string(entry.House);
            break;
        case Kind::Turn:
            text += "turn";
            break;
        case Kind::NextRound:
            text += "round " + std::to_string(++round);
            break;
        }
        text += "\n";
    }
    text += "end\n";
    return text;
}

GameFile::ReadResult GameFile::Parse(std::string_view text)
{
    return Parser(text).Run();
}

GameFile::ReadResult GameFile::Read(const std::string &path)
{
    ReadResult result;
    // Not blocking: a named pipe must not hang the reader; it is refused below.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        result.Error = GameFileError(Code::CannotOpen, 0, 0, ErrnoText(errno));
        return result;
    }
    struct stat info
    {
    };
    std::string text;
    GameFileError error;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = GameFileError(Code::NotAFile, 0);
    } else {
        // One byte past the bound tells a file that is too large.
        text.resize(MaxBytes + 1);
        std::size_t size = 0;
        while (size < text.size()) {
            const ssize_t got = ::read(fd, text.data() + size, text.size() - size);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                error = GameFileError(Code::ReadFailed, 0, 0, ErrnoText(errno));
                break;
            }
            if (got == 0)
                break;
            size += std::size_t(got);
        }
        text.resize(size);
    }
    ::close(fd);
    if (error) {
        result.Error = error;
        return result;
    }
    return Parse(text);
}

GameFileError GameFile::Write(const std::string &path, const GameRecord &record)
{
    const std::string text = Format(record);
    if (ReadResult check = Parse(text); !check.Ok())
        return check.Error;
    if (const std::string why = AtomicFile::Write(path, text); !why.empty())
        return GameFileError(Code::WriteFailed, 0, 0, why);
    return {};
}

} // namespace ombrel
