// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "FancyButtonAccessible.h"

#include <corvanel/FancyButton.h>

#include <QKeySequence>
#include <QTextDocumentFragment>

namespace corvanel {

namespace {

// The caption as it reads: "&Go" is "Go", "Tom && Jerry" is "Tom & Jerry".
QString withoutAccelerator(const QString &caption)
{
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (++i == caption.size())
                break;
        }
        text += caption[i];
    }
    return text;
}

} // namespace

FancyButtonAccessible::FancyButtonAccessible(TFancyButton *button)
    : QAccessibleWidget(button, QAccessible::Button)
{}

QAccessibleInterface *FancyButtonAccessible::create(const QString &className, QObject *object)
{
    if (className != QLatin1String("corvanel::TFancyButton"))
        return nullptr;
    if (auto *button = qobject_cast<TFancyButton *>(object))
        return new FancyButtonAccessible(button);
    return nullptr;
}

TFancyButton *FancyButtonAccessible::button() const
{
    return static_cast<TFancyButton *>(widget());
}

QString FancyButtonAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
        return QAccessibleWidget::text(t);
    const QString caption = withoutAccelerator(button()->Caption());
    if (!caption.isEmpty())
        return caption;
    // The hint may be rich text; a name is plain.
    return QTextDocumentFragment::fromHtml(button()->toolTip()).toPlainText();
}

QAccessible::State FancyButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = button()->State() == TFancyButton::fbsDown;
    if (button()->GroupIndex() != 0) {
        state.checkable = true;
        state.checked = button()->Down();
    }
    return state;
}

QStringList FancyButtonAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (widget()->isEnabled())
        names.prepend(pressAction());
    return names;
}

void FancyButtonAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        button()->Press();
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList FancyButtonAccessible::keyBindingsForAction(const QString &actionName) const
{
    if (actionName != pressAction())
        return QAccessibleWidget::keyBindingsForAction(actionName);
    QStringList keys;
    const QKeySequence mnemonic = QKeySequence::mnemonic(button()->Caption());
    if (!mnemonic.isEmpty())
        keys << mnemonic.toString(QKeySequence::NativeText);
    return keys;
}

} // namespace corvanel
