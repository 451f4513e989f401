// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// A File menu with the files opened last under "Open Recent". The list keeps
// itself in the registry store, in the key "Software\Corvanel Examples\Recent
// Files" of HKEY_CURRENT_USER: it is read when the form is loaded and written
// back when the list is destroyed, so the menu survives a restart.
#include <corvanel/ComponentLoader.h>
#include <corvanel/JMRU.h>

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

using corvanel::TJMostRecentlyUsedList;
using corvanel::TJStorage;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto *current = new QLabel(QObject::tr("Open a file, then look under File > Open Recent."));
    current->setMargin(20);
    window.setCentralWidget(current);

    QMenu *file = window.menuBar()->addMenu(QObject::tr("&File"));
    QAction *open = file->addAction(QObject::tr("&Open..."));
    QMenu *recent = file->addMenu(QObject::tr("Open &Recent"));
    file->addSeparator();
    file->addAction(QObject::tr("&Quit"), &app, &QApplication::quit);

    auto *recentFiles = new TJMostRecentlyUsedList(&window);
    recentFiles->SetStorageRootKey(TJStorage::atrkCurrentUser);
    recentFiles->SetStorageKey(QStringLiteral("Software\\Corvanel Examples\\Recent Files"));
    recentFiles->SetMaxItems(5);
    recentFiles->SetMenuKind(TJMostRecentlyUsedList::mkSubMenu);
    recentFiles->SetRootMenuItem(recent->menuAction());

    // An item the user picks: open it, or tell the list it is gone.
    recentFiles->SetOnSelect([current](QObject *, const QString &item, bool &opened) {
        opened = QFileInfo::exists(item);
        current->setText(opened ? item : QObject::tr("%1 is gone.").arg(item));
    });
    QObject::connect(open, &QAction::triggered, &window, [&window, current, recentFiles] {
        const QString name = QFileDialog::getOpenFileName(&window);
        if (name.isEmpty())
            return;
        current->setText(name);
        recentFiles->Add(name);
    });

    // Properties set: now the list reads the store and fills the menu.
    corvanel::loadComponents(&window);
    window.show();
    return app.exec();
}
