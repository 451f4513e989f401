// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// A text the controller hands its view: which sentence, and the number that
// fills its %1 (a player's number). The controller knows no language; the
// window looks the English source up in its translations (context
// GameText::Context) and fills in the number there, so a translation may put
// it wherever its word order wants it.

#include <string>

namespace ombrel {

class GameText
{
public:
    enum class Id
    {
        // status line
        ComputerThinking,
        ComputerPlaying,
        PlayerPlaying, // %1: the player's number
        PlayerReady,   // %1: the player's number
        RoundOver,
        GameOver,
        SetupHelp,
        // message boxes
        Busy,
        CommandBusy,
        NotOwner,
        Empty,
        Player1WinsAll,
        Player2WinsAll,
        ContinueRound,
        ComputerCannotPlay,
        NoBestStart,
        EndlessSowing,
        // message box captions
        CaptionGame,
        CaptionError,
    };
    static constexpr int Count = int(Id::CaptionError) + 1;
    static constexpr const char *Context = "GameText";

    constexpr GameText(Id id, int number = 0) noexcept : m_id(id), m_number(number) {}

    constexpr Id id() const noexcept { return m_id; }
    constexpr int number() const noexcept { return m_number; }
    // The English source, with %1 where the number goes.
    const char *Source() const noexcept;
    // The English text as the player reads it (tools, tests, logs).
    std::string English() const;

    friend constexpr bool operator==(const GameText &, const GameText &) = default;

private:
    Id m_id;
    int m_number;
};

} // namespace ombrel
