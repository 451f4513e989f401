// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// Writes PREFIX0 … PREFIX<N-1> into HKEY_CURRENT_USER\Software\Race, one value
// per open and close, so that two of these running at once interleave their
// rewrites of the store. Exits 1 when a write did not reach the file.
#include <corvanel/TRegistry.h>

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;
    const QString prefix = args[1];
    const int count = args[2].toInt();
    for (int i = 0; i < count; ++i) {
        corvanel::TRegistry reg;
        reg.SetLazyWrite(false);
        if (!reg.OpenKey(QStringLiteral("Software\\Race"), true) ||
            !reg.WriteInteger(prefix + QString::number(i), i) || !reg.Flush())
            return 1;
    }
    return 0;
}
