// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// Logs each argument through a TDebugHelper with its defaults, so that a test
// can see where the log of a real executable goes.
#include <corvanel/Debug.h>

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    corvanel::TDebugHelper helper;
    for (const QString &message : app.arguments().mid(1))
        helper.Output(message);
    return 0;
}
