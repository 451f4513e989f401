// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <functional>

class QObject;

namespace corvanel {

/// Events of the library's components are plain callbacks held by the component
/// (one handler each, assigned by the owner of the form), named after the event:
/// `OnChange`, `OnClick`, `OnSelect`, `OnDo`, ... The first argument is always
/// the component that raises the event. An empty callback is not called.
using TNotifyEvent = std::function<void(QObject *sender)>;

} // namespace corvanel
