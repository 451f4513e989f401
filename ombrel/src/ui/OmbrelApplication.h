// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <QApplication>

namespace ombrel {

// The application object of the game. An exception escaping an event handler
// is shown in a message box and the event loop goes on, instead of Qt
// terminating the program.
class OmbrelApplication : public QApplication
{
    Q_OBJECT

public:
    OmbrelApplication(int &argc, char **argv);

    // The names and version of the game, on any application object (the
    // command line is answered before there is a window system to talk to).
    static void Describe(QCoreApplication &app);

    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace ombrel
