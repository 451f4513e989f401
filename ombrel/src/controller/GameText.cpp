// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "controller/GameText.h"

// lupdate reads these as QT_TRANSLATE_NOOP (see translations/CMakeLists.txt);
// here they are just the English source.
#define OMBREL_TEXT(context, text) text

namespace ombrel {

namespace {

// In the order of GameText::Id.
constexpr const char *Sources[GameText::Count] = {
    OMBREL_TEXT("GameText", "The computer is thinking..."),
    OMBREL_TEXT("GameText", "The computer is playing..."),
    OMBREL_TEXT("GameText", "Player %1 is playing..."),
    OMBREL_TEXT("GameText", "Ready. Player %1 can play now."),
    OMBREL_TEXT("GameText", "Game over"),
    OMBREL_TEXT("GameText", "Game over."),
    OMBREL_TEXT("GameText", "Click left or right to modify seeds. Press + or - to modify houses"),
    OMBREL_TEXT("GameText", "The other player is still playing. Please wait."),
    // Commands are refused also while the player's own move is sown, so they
    // get a text that names no one.
    OMBREL_TEXT("GameText", "Please wait until the current move or hint is over."),
    OMBREL_TEXT("GameText", "You don't own this house!"),
    OMBREL_TEXT("GameText", "This house is empty!"),
    OMBREL_TEXT("GameText", "Game over. Player 1 wins all the houses."),
    OMBREL_TEXT("GameText", "Game over. Player 2 wins all the houses."),
    OMBREL_TEXT("GameText", "Game over. Continue?"),
    OMBREL_TEXT("GameText", "The computer can not play. Continue?"),
    OMBREL_TEXT("GameText", "No best start found somehow"),
    OMBREL_TEXT("GameText",
                "This sowing would never end, so it was stopped after 500 seeds. The seeds "
                "still in hand were laid into the house the sowing had reached."),
    OMBREL_TEXT("GameText", "Ombrel"),
    OMBREL_TEXT("GameText", "Error"),
};

} // namespace

const char *GameText::Source() const noexcept
{
    const int index = int(m_id);
    return index >= 0 && index < Count ? Sources[index] : "";
}

std::string GameText::English() const
{
    std::string text = Source();
    const std::string::size_type at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, std::to_string(m_number));
    return text;
}

} // namespace ombrel
