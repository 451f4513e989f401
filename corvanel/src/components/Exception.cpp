// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/Exception.h>

namespace corvanel {

Exception::Exception(QString message)
    : m_message(std::move(message)), m_utf8(m_message.toStdString())
{}

const char *Exception::what() const noexcept
{
    return m_utf8.c_str();
}

} // namespace corvanel
