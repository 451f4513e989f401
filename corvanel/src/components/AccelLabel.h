// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

class QLabel;

namespace corvanel {

// What the library's labels share about ShowAccelChar: storing it and
// painting the caption as it asks.
namespace AccelLabel {

// Stores `show` in `flag`; repaints `label` and returns true when that is a
// change (the caller then emits its NOTIFY signal).
bool Set(QLabel &label, bool &flag, bool show);

// Paints the frame and caption of `label` where QLabel would show its '&'s
// otherwise than `showAccelChar` asks, and returns true; returns false,
// painting nothing, where QLabel's own paint is right.
bool Paint(QLabel &label, bool showAccelChar);

} // namespace AccelLabel

} // namespace corvanel
