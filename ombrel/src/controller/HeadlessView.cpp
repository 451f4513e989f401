// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "controller/HeadlessView.h"

#include "controller/GameController.h"

namespace ombrel {

MessageAnswer HeadlessView::ShowMessage(const GameText &text, const GameText &caption,
                                        MessageButtons buttons, MessageIcon)
{
    if (m_handler)
        return m_handler(text.English(), caption.English(), buttons);
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

long RunTimers(GameController &game, long maxTicks)
{
    long ticks = 0;
    while (ticks < maxTicks) {
        if (game.FlashTimerEnabled())
            game.FlashTimerTimer();
        else if (game.MoveTimerEnabled())
            game.MoveTimerTimer();
        else
            break;
        ++ticks;
    }
    return ticks;
}

} // namespace ombrel
