// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "ui/MoveListPanel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QListWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

namespace ombrel {

namespace {

// Steps of the navigation buttons; the extremes go to the first or last row.
constexpr int ToFirst = INT_MIN / 2;
constexpr int ToLast = INT_MAX / 2;

QString EntryText(const RecordEntry &entry, int round)
{
    switch (entry.What) {
    case RecordEntry::Kind::Move:
        return MoveListPanel::tr("Round %1, Player %2: house %3")
            .arg(QString::number(round), QString::number(entry.Player + 1),
                 QString::number(entry.House));
    case RecordEntry::Kind::Turn:
        return MoveListPanel::tr("Round %1: Turn").arg(round);
    case RecordEntry::Kind::NextRound:
        break;
    }
    return MoveListPanel::tr("Round %1 begins").arg(round);
}

} // namespace

MoveListPanel::MoveListPanel(QWidget *parent) : QDockWidget(tr("Move List"), parent)
{
    setObjectName("MoveListPanel");
    setFeatures(QDockWidget::DockWidgetClosable);
    auto *body = new QWidget(this);
    auto *layout = new QVBoxLayout(body);
    m_list = new QListWidget(body);
    m_list->setObjectName("MoveList");
    m_list->setAccessibleName(tr("Move List"));
    layout->addWidget(m_list);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(
        AddButton("MoveListFirst", tr("First"), QKeySequence(Qt::ALT | Qt::Key_Home), ToFirst));
    buttons->addWidget(
        AddButton("MoveListBack", tr("Back"), QKeySequence(Qt::ALT | Qt::Key_Left), -1));
    buttons->addWidget(
        AddButton("MoveListForward", tr("Forward"), QKeySequence(Qt::ALT | Qt::Key_Right), 1));
    buttons->addWidget(
        AddButton("MoveListLast", tr("Last"), QKeySequence(Qt::ALT | Qt::Key_End), ToLast));
    layout->addLayout(buttons);
    setWidget(body);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_filling && row >= 0 && row - 1 != m_current)
            emit EntryChosen(row - 1);
    });
}

QToolButton *MoveListPanel::AddButton(const char *name, const QString &text,
                                      const QKeySequence &key, int step)
{
    auto *action = new QAction(text, this);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setToolTip(QStringLiteral("%1 (%2)").arg(text, key.toString(QKeySequence::NativeText)));
    connect(action, &QAction::triggered, this, [this, step] { Step(step); });
    auto *button = new QToolButton(this);
    button->setDefaultAction(action);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

void MoveListPanel::Step(int step)
{
    if (!isVisible() || m_count == 0)
        return;
    const long target = long(m_current) + step;
    const int index = int(std::clamp(target, -1L, long(m_count - 1)));
    if (index != m_current)
        emit EntryChosen(index);
}

void MoveListPanel::ShowGame(const GameRecord &record, const GameReplay &replay, int current)
{
    m_filling = true;
    m_list->clear();
    m_list->addItem(tr("Start"));
    const auto &steps = replay.Steps();
    for (std::size_t i = 0; i < steps.size() && i < record.Entries.size(); ++i)
        m_list->addItem(EntryText(record.Entries[i], steps[i].Round));
    m_count = int(steps.size());
    m_current = std::clamp(current, -1, m_count - 1);
    m_list->setCurrentRow(m_current + 1);
    m_list->scrollToItem(m_list->currentItem());
    m_filling = false;
}

} // namespace ombrel
