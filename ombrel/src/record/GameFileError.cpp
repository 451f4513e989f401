// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "GameFileError.h"

// lupdate reads these as QT_TRANSLATE_NOOP (see the ui layer's translations);
// here they are just the English source.
#define OMBREL_TEXT(context, text) text

namespace ombrel {

const char *GameFileError::Source(Code code) noexcept
{
    switch (code) {
    case Code::None:
        return OMBREL_TEXT("GameFileError", "No error.");
    case Code::CannotOpen:
        return OMBREL_TEXT("GameFileError", "The file could not be opened: %1.");
    case Code::NotAFile:
        return OMBREL_TEXT("GameFileError", "This is not a file.");
    case Code::ReadFailed:
        return OMBREL_TEXT("GameFileError", "The file could not be read: %1.");
    case Code::TooLarge:
        return OMBREL_TEXT("GameFileError",
                           "The file is larger than a game file can be (%1 bytes).");
    case Code::WriteFailed:
        return OMBREL_TEXT("GameFileError",
                           "The game could not be saved: %1. The file on disk was not changed.");
    case Code::LineTooLong:
        return OMBREL_TEXT("GameFileError", "The line is longer than %1 characters.");
    case Code::BadCharacter:
        return OMBREL_TEXT("GameFileError",
                           "The line holds a character that a game file does not use.");
    case Code::NotAGameFile:
        return OMBREL_TEXT("GameFileError", "This is not an Ombrel game file.");
    case Code::NewerVersion:
        return OMBREL_TEXT(
            "GameFileError",
            "The file was written in format %1, which this version of Ombrel cannot read.");
    case Code::ExpectedHeader:
        return OMBREL_TEXT("GameFileError", "A line starting with \"%1\" was expected here.");
    case Code::BadDate:
        return OMBREL_TEXT("GameFileError", "The date is not a date like 2026-12-09T10:03:02Z.");
    case Code::BadPlayer:
        return OMBREL_TEXT("GameFileError",
                           "A player is \"human\" or \"computer\" with a level from \"easy\" to "
                           "\"extremely-difficult\".");
    case Code::TwoComputers:
        return OMBREL_TEXT("GameFileError", "Only one of the players can be the computer.");
    case Code::BadStart:
        return OMBREL_TEXT(
            "GameFileError",
            "The starting position is not written as \"start houses N seeds ... stores A B "
            "mover P opener P\".");
    case Code::NumberOutOfRange:
        return OMBREL_TEXT("GameFileError", "The number %1 is out of range here.");
    case Code::UnknownLine:
        return OMBREL_TEXT("GameFileError",
                           "This line is neither a move, \"turn\", \"round\" nor \"end\".");
    case Code::ExpectedFirstRound:
        return OMBREL_TEXT("GameFileError", "The moves must start with the line \"round 1\".");
    case Code::WrongRoundNumber:
        return OMBREL_TEXT("GameFileError", "This should be round %1.");
    case Code::TooManyEntries:
        return OMBREL_TEXT("GameFileError", "The game has more than %1 moves, turns and rounds.");
    case Code::Truncated:
        return OMBREL_TEXT("GameFileError",
                           "The file ends too early: its last line \"end\" is missing.");
    case Code::TextAfterEnd:
        return OMBREL_TEXT("GameFileError", "There is text after the line \"end\".");
    case Code::NotToMove:
        return OMBREL_TEXT("GameFileError", "Player %1 is not to move here.");
    case Code::NotOwner:
        return OMBREL_TEXT("GameFileError", "House %1 does not belong to the player to move.");
    case Code::EmptyHouse:
        return OMBREL_TEXT("GameFileError", "House %1 is empty.");
    case Code::RoundNotOver:
        return OMBREL_TEXT("GameFileError",
                           "A new round cannot start here: the round is not over.");
    case Code::RoundOver:
        return OMBREL_TEXT("GameFileError",
                           "The round is over here: the next line must start the next round.");
    }
    return "";
}

const char *GameFileError::LineSource() noexcept
{
    return OMBREL_TEXT("GameFileError", "Line %1: %2");
}

std::string GameFileError::Argument() const
{
    return m_detail.empty() ? std::to_string(m_value) : m_detail;
}

std::string GameFileError::English() const
{
    std::string text = Source(m_code);
    if (const auto at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, Argument());
    if (m_line <= 0)
        return text;
    std::string line = LineSource();
    line.replace(line.find("%2"), 2, text);
    line.replace(line.find("%1"), 2, std::to_string(m_line));
    return line;
}

} // namespace ombrel
