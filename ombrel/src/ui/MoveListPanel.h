// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// The move list: a side panel listing the game's moves, Turns and rounds,
// one row each after a first row for the starting position. Choosing a row
// (a click, or First, Back, Forward and Last by button or key) asks the
// window to show the position after it; the panel itself changes nothing.

#include "record/GameRecord.h"
#include "record/GameReplay.h"

#include <QDockWidget>

class QListWidget;
class QToolButton;

namespace ombrel {

class MoveListPanel : public QDockWidget
{
    Q_OBJECT

public:
    explicit MoveListPanel(QWidget *parent = nullptr);

    // Lists `record` as `replay` played it, marking the row of entry
    // `current` (-1: the starting position).
    void ShowGame(const GameRecord &record, const GameReplay &replay, int current);
    int Current() const noexcept { return m_current; }
    int Count() const noexcept { return m_count; }
    QListWidget *List() const noexcept { return m_list; }

signals:
    // The position after entry `index` (-1: the start) was chosen.
    void EntryChosen(int index);

private:
    QToolButton *AddButton(const char *name, const QString &text, const QKeySequence &key,
                           int step);
    void Step(int step);

    QListWidget *m_list = nullptr;
    int m_current = -1;
    int m_count = 0;
    bool m_filling = false;
};

} // namespace ombrel
