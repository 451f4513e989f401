// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "GameFileError.h"

namespace ombrel {

const char *GameFileError::Source(Code code) noexcept
{
    switch (code) {
    case Code::None:
        return "No error.";
    case Code::CannotOpen:
        return "The file could not be opened: %2.";
    case Code::NotAFile:
        return "This is not a file.";
    case Code::ReadFailed:
        return "The file could not be read: %2.";
    case Code::TooLarge:
        return "The file is larger than a game file can be (%1 bytes).";
    case Code::WriteFailed:
        return "The game could not be saved: %2. The file on disk was not changed.";
    case Code::LineTooLong:
        return "The line is longer than %1 characters.";
    case Code::BadCharacter:
        return "The line holds a character that a game file does not use.";
    case Code::NotAGameFile:
        return "This is not an Ombrel game file.";
    case Code::NewerVersion:
        return "The file was written in format %1, which this version of Ombrel cannot read.";
    case Code::ExpectedHeader:
        return "A line starting with \"%2\" was expected here.";
    case Code::BadDate:
        return "The date is not a date like 2026-12-09T10:03:02Z.";
    case Code::BadPlayer:
        return "A player is \"human\" or \"computer\" with a level from \"easy\" to "
               "\"extremely-difficult\".";
    case Code::TwoComputers:
        return "Only one of the players can be the computer.";
    case Code::BadStart:
        return "The starting position is not written as \"start houses N seeds ... stores A B "
               "mover P opener P\".";
    case Code::NumberOutOfRange:
        return "The number %1 is out of range here.";
    case Code::UnknownLine:
        return "This line is neither a move, \"turn\", \"round\" nor \"end\".";
    case Code::ExpectedFirstRound:
        return "The moves must start with the line \"round 1\".";
    case Code::WrongRoundNumber:
        return "This should be round %1.";
    case Code::TooManyEntries:
        return "The game has more than %1 moves, turns and rounds.";
    case Code::Truncated:
        return "The file ends too early: its last line \"end\" is missing.";
    case Code::TextAfterEnd:
        return "There is text after the line \"end\".";
    case Code::NotToMove:
        return "Player %1 is not to move here.";
    case Code::NotOwner:
        return "House %1 does not belong to the player to move.";
    case Code::EmptyHouse:
        return "House %1 is empty.";
    case Code::RoundNotOver:
        return "A new round cannot start here: the round is not over.";
    case Code::RoundOver:
        return "The round is over here: the next line must start the next round.";
    }
    return "";
}

std::string GameFileError::English() const
{
    std::string text = Source(m_code);
    if (const auto at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, std::to_string(m_value));
    if (const auto at = text.find("%2"); at != std::string::npos)
        text.replace(at, 2, m_detail);
    if (m_line > 0)
        text = "Line " + std::to_string(m_line) + ": " + text;
    return text;
}

} // namespace ombrel
