// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <QApplication>

#include <functional>

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

    // Runs `windows` (make the windows, run the event loop) and returns its
    // result. An exception that escapes it, while the windows are made for
    // example, is shown like one from a handler, and the result is then 0.
    static int RunWindows(const std::function<int()> &windows);

    // The box that shows an escaped exception.
    static void ShowException(const QString &message);
};

} // namespace ombrel
