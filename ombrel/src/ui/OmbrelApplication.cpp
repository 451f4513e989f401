// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "OmbrelApplication.h"

#include <QMessageBox>

#include <exception>

namespace ombrel {

OmbrelApplication::OmbrelApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    Describe(*this);
    setApplicationDisplayName("Ombrel");
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
        QMessageBox::critical(activeWindow(), "Ombrel", QString::fromUtf8(error.what()));
    } catch (...) {
        QMessageBox::critical(activeWindow(), "Ombrel", "An unexpected error occurred.");
    }
    return false;
}

} // namespace ombrel
