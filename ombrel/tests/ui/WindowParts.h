// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// The named controls of the game's windows, found by object name the way a
// person (or an accessibility tool) finds them, so that the tests see the
// windows from outside and the generated form classes stay private.

#include <corvanel/URLStatic.h>
#include <corvanel/Version.h>

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QToolBar>

#include <cstdio>
#include <cstdlib>

namespace ombrel::test {

template <typename T> T *Part(const QObject &window, const char *name)
{
    T *part = window.findChild<T *>(QString::fromLatin1(name));
    if (!part) {
        std::fprintf(stderr, "the window has no %s\n", name);
        std::abort();
    }
    return part;
}

struct MainParts
{
    explicit MainParts(const QObject &w)
        : MainMenu(Part<QMenuBar>(w, "MainMenu")), FileMenu(Part<QMenu>(w, "FileMenu")),
          EditItem(Part<QMenu>(w, "EditItem")), OptionsMenu(Part<QMenu>(w, "OptionsMenu")),
          HelpMenu(Part<QMenu>(w, "HelpMenu")), ToolBar1(Part<QToolBar>(w, "ToolBar1")),
          StatusLine(Part<QStatusBar>(w, "StatusLine")), NewGame(Part<QAction>(w, "NewGame")),
          Play1(Part<QAction>(w, "Play1")), Turn1(Part<QAction>(w, "Turn1")),
          SetupItem(Part<QAction>(w, "SetupItem")), StopAction(Part<QAction>(w, "StopAction")),
          Hint1(Part<QAction>(w, "Hint1")), UndoAction(Part<QAction>(w, "UndoAction")),
          Human(Part<QAction>(w, "Human")), ComputerEasy(Part<QAction>(w, "ComputerEasy")),
          ComputerMedium(Part<QAction>(w, "ComputerMedium")),
          ComputerDifficult(Part<QAction>(w, "ComputerDifficult")),
          ComputerVeryDifficult(Part<QAction>(w, "ComputerVeryDifficult")),
          ComputerExtremelyDifficult(Part<QAction>(w, "ComputerExtremelyDifficult")),
          SpeedAction(Part<QAction>(w, "SpeedAction")),
          HelpContents(Part<QAction>(w, "HelpContents")),
          HelpAboutItem(Part<QAction>(w, "HelpAboutItem")),
          RedoAction(Part<QAction>(w, "RedoAction")), SaveGame(Part<QAction>(w, "SaveGame")),
          OpenGame(Part<QAction>(w, "OpenGame")), MoveListAction(Part<QAction>(w, "MoveListAction"))
    {}
    QMenuBar *MainMenu;
    QMenu *FileMenu, *EditItem, *OptionsMenu, *HelpMenu;
    QToolBar *ToolBar1;
    QStatusBar *StatusLine;
    QAction *NewGame, *Play1, *Turn1, *SetupItem, *StopAction, *Hint1, *UndoAction;
    QAction *Human, *ComputerEasy, *ComputerMedium, *ComputerDifficult, *ComputerVeryDifficult,
        *ComputerExtremelyDifficult;
    QAction *SpeedAction, *HelpContents, *HelpAboutItem;
    QAction *RedoAction, *SaveGame, *OpenGame, *MoveListAction;
};

struct SpeedParts
{
    explicit SpeedParts(const QObject &w)
        : TrackBar1(Part<QSlider>(w, "TrackBar1")), Label1(Part<QLabel>(w, "Label1")),
          OK(Part<QPushButton>(w, "OK")), Cancel(Part<QPushButton>(w, "Cancel"))
    {}
    QSlider *TrackBar1;
    QLabel *Label1;
    QPushButton *OK, *Cancel;
};

struct AboutParts
{
    explicit AboutParts(const QObject &w)
        : Panel1(Part<QFrame>(w, "Panel1")), ProgramIcon(Part<QLabel>(w, "ProgramIcon")),
          ProductName(Part<QLabel>(w, "ProductName")), NoticeLabel(Part<QLabel>(w, "NoticeLabel")),
          VersionLabel1(Part<corvanel::TVersionLabel>(w, "VersionLabel1")),
          URLStatic1(Part<corvanel::TURLStatic>(w, "URLStatic1")),
          OKButton(Part<QPushButton>(w, "OKButton"))
    {}
    QFrame *Panel1;
    QLabel *ProgramIcon, *ProductName, *NoticeLabel;
    corvanel::TVersionLabel *VersionLabel1;
    corvanel::TURLStatic *URLStatic1;
    QPushButton *OKButton;
};

} // namespace ombrel::test
