// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "ui/OmbrelApplication.h"

#include <QMessageBox>

#include <exception>

namespace ombrel {

OmbrelApplication::OmbrelApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    Describe(*this);
    // No application display name: Qt would append it to every window title
    // ("Error — Ombrel"). Without one the titles are shown as the windows set them.
    setDesktopFileName("example.corvanel.Ombrel");
}

void OmbrelApplication::Describe(QCoreApplication &app)
{
    app.setApplicationName("Ombrel");
    app.setApplicationVersion(OMBREL_VERSION);
}

bool OmbrelApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        ShowException(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowException(
            QCoreApplication::translate("OmbrelApplication", "An unexpected error occurred."));
    }
    return false;
}

int OmbrelApplication::RunWindows(const std::function<int()> &windows)
{
    try {
        return windows();
    } catch (const std::exception &error) {
        ShowException(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowException(
            QCoreApplication::translate("OmbrelApplication", "An unexpected error occurred."));
    }
    return 0;
}

void OmbrelApplication::ShowException(const QString &message)
{
    QMessageBox::critical(QApplication::activeWindow(), "Ombrel", message);
}

} // namespace ombrel
