// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/Exception.h>

#include <QString>
#include <functional>

// The message of the corvanel::Exception that `f` throws, or "" when it
// throws none.
inline QString messageOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const corvanel::Exception &e) {
        return e.message();
    }
    return QString();
}
