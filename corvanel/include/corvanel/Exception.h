// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/corvanel_export.h>

#include <QString>
#include <exception>
#include <string>

namespace corvanel {

/// The one exception class of the library. Its messages are fixed English texts
/// ("JStorage not Open", ...) that callers may show to the user as they are.
class CORVANEL_EXPORT Exception : public std::exception
{
public:
    /// An exception that says `message`.
    explicit Exception(QString message);

    /// The message in UTF-8, valid as long as the exception.
    const char *what() const noexcept override;
    /// The message as given to the constructor.
    const QString &message() const noexcept { return m_message; }

private:
    QString m_message;
    std::string m_utf8;
};

} // namespace corvanel
