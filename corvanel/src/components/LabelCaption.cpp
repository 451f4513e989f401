// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "LabelCaption.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTextDocument>

namespace corvanel {

namespace {

bool isPlainText(const QLabel &label)
{
    switch (label.textFormat()) {
    case Qt::PlainText:
        return true;
    case Qt::AutoText:
        return !Qt::mightBeRichText(label.text());
    default:
        return false;
    }
}

} // namespace

bool LabelCaption::NeedsOwnPaint(const QLabel &label, bool showAccelChar)
{
    if (!label.text().contains(QLatin1Char('&')) || !isPlainText(label) ||
        !label.pixmap().isNull() || label.movie())
        return false;
    const bool qtShowsAccelerators = label.buddy() != nullptr;
    return showAccelChar != qtShowsAccelerators;
}

void LabelCaption::Paint(const QLabel &label, QPainter &painter, bool showAccelChar)
{
    const int margin = label.margin();
    QRect area = label.contentsRect().adjusted(margin, margin, -margin, -margin);
    const Qt::Alignment align = QStyle::visualAlignment(label.layoutDirection(), label.alignment());
    int indent = label.indent();
    if (indent < 0 && label.frameWidth() > 0)
        indent = QFontMetrics(label.font()).horizontalAdvance(QLatin1Char('x')) / 2;
    if (indent > 0) {
        if (align & Qt::AlignLeft)
            area.setLeft(area.left() + indent);
        if (align & Qt::AlignRight)
            area.setRight(area.right() - indent);
        if (align & Qt::AlignTop)
            area.setTop(area.top() + indent);
        if (align & Qt::AlignBottom)
            area.setBottom(area.bottom() - indent);
    }
    int flags = int(align);
    if (label.wordWrap())
        flags |= Qt::TextWordWrap;
    if (showAccelChar) {
        flags |= Qt::TextShowMnemonic;
        QStyleOption option;
        option.initFrom(&label);
        if (!label.style()->styleHint(QStyle::SH_UnderlineShortcut, &option, &label))
            flags |= Qt::TextHideMnemonic;
    }
    painter.setFont(label.font());
    label.style()->drawItemText(&painter, area, flags, label.palette(), label.isEnabled(),
                                label.text(), label.foregroundRole());
}

} // namespace corvanel
