// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

class QLabel;
class QPainter;

namespace corvanel {

// The caption of the library's labels, drawn the way ShowAccelChar asks.
//
// With ShowAccelChar set (every label's default) an '&' marks the next
// character as the accelerator, which is drawn underlined where the style
// underlines accelerators, and "&&" shows one '&'; without it every '&' is
// shown. QLabel itself does the first only for a label with a buddy and the
// second only for one without, so a label paints its caption through here
// when that differs from what it wants.
class LabelCaption
{
public:
    // Whether `label`'s own paint would show its '&'s otherwise than
    // `showAccelChar` asks: a plain-text caption that holds an '&', shown by
    // a label whose buddy says the opposite.
    static bool NeedsOwnPaint(const QLabel &label, bool showAccelChar);
    // Draws the caption as QLabel lays out plain text (contents rectangle,
    // margin, indent, alignment, word wrap), the frame excepted.
    static void Paint(const QLabel &label, QPainter &painter, bool showAccelChar);
};

} // namespace corvanel
