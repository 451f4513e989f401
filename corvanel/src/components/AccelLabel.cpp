// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "AccelLabel.h"

#include "LabelCaption.h"

#include <QLabel>
#include <QPainter>

namespace corvanel::AccelLabel {

namespace {

// QFrame::drawFrame is protected; named through a class derived from QLabel
// it may be called on any label (it is not virtual).
struct FrameOf : QLabel
{
    static void draw(QLabel &label, QPainter &painter) { (label.*&FrameOf::drawFrame)(&painter); }
};

} // namespace

bool Set(QLabel &label, bool &flag, bool show)
{
    if (flag == show)
        return false;
    flag = show;
    label.update();
    return true;
}

bool Paint(QLabel &label, bool showAccelChar)
{
    if (!LabelCaption::NeedsOwnPaint(label, showAccelChar))
        return false;
    QPainter painter(&label);
    FrameOf::draw(label, painter);
    LabelCaption::Paint(label, painter, showAccelChar);
    return true;
}

} // namespace corvanel::AccelLabel
