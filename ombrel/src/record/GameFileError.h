// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// Why a game file could not be read or written, and where. Tools print
// English(); the window shows the same in the player's language: it looks
// Source() up in its translations (context GameFileError::Context), fills its
// %1 with Argument(), and, for a line, puts both into LineSource() (%1 the
// line, %2 the sentence).

#include <string>

namespace ombrel {

class GameFileError
{
public:
    enum class Code
    {
        None,
        // the file as a whole
        CannotOpen,  // detail: the system's reason
        NotAFile,    // a folder, a device or a pipe
        ReadFailed,  // detail: the system's reason
        TooLarge,    // %1: the size bound in bytes
        WriteFailed, // detail: the system's reason
        // the text
        LineTooLong,    // %1: the line length bound
        BadCharacter,   // a byte that no game file holds
        NotAGameFile,   // the first line is not "ombrel-game 1"
        NewerVersion,   // %1: the format version found
        ExpectedHeader, // detail: the word the line was expected to start with
        BadDate,
        BadPlayer,
        TwoComputers,
        BadStart,
        NumberOutOfRange, // %1: the number
        UnknownLine,
        ExpectedFirstRound,
        WrongRoundNumber, // %1: the round number expected
        TooManyEntries,   // %1: the bound on moves, turns and rounds
        Truncated,        // the file ends before its "end" line
        TextAfterEnd,
        // the game
        NotToMove,    // %1: the player's number
        NotOwner,     // %1: the house
        EmptyHouse,   // %1: the house
        RoundNotOver, // a round line while the round goes on
        RoundOver,    // a move or turn after the round ended, without a round line
    };

    GameFileError() = default;
    GameFileError(Code code, int line, long value = 0, std::string detail = {})
        : m_code(code), m_line(line), m_value(value), m_detail(std::move(detail))
    {}

    Code code() const noexcept { return m_code; }
    // The line of the file, from 1; 0 when the file as a whole is at fault.
    int line() const noexcept { return m_line; }
    long value() const noexcept { return m_value; }
    const std::string &detail() const noexcept { return m_detail; }
    explicit operator bool() const noexcept { return m_code != Code::None; }

    static constexpr int CodeCount = int(Code::RoundOver) + 1;
    static constexpr const char *Context = "GameFileError";
    // The English sentence for the code, with %1 where Argument() goes.
    static const char *Source(Code code) noexcept;
    // "Line %1: %2": the line, and the sentence.
    static const char *LineSource() noexcept;
    // What fills the sentence's %1: the detail when there is one, else the value.
    std::string Argument() const;
    // "Line 12: House 7 is empty." or, for the whole file, the sentence alone.
    std::string English() const;

    friend bool operator==(const GameFileError &, const GameFileError &) = default;

private:
    Code m_code = Code::None;
    int m_line = 0;
    long m_value = 0;
    std::string m_detail;
};

} // namespace ombrel
