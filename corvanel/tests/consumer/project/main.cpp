// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// Stores a value through the installed library, reads it back, builds
// component widgets and shows its own version in a version label; exits 0
// when all of it works.
#include <corvanel/ComponentLoader.h>
#include <corvanel/JMRU.h>
#include <corvanel/Jstore.h>
#include <corvanel/MRUCombo.h>
#include <corvanel/Version.h>

#include <QApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    corvanel::TJStorage storage;
    storage.SetKey(QStringLiteral("Software\\Consumer"));
    storage.Open();
    storage.WriteInteger(QStringLiteral("answer"), 42);
    storage.Close();
    storage.Open();
    const bool stored = storage.ReadInteger(QStringLiteral("answer"), 0) == 42;
    storage.Close();

    corvanel::TJMostRecentlyUsedList list;
    list.SetAutoSave(false);
    list.Add(QStringLiteral("one"));
    corvanel::TMRUCombo combo;

    QWidget form;
    auto *label = new corvanel::TVersionLabel(&form);
    corvanel::loadComponents(&form);
    const bool versioned = label->text() == QStringLiteral("Version " CONSUMER_VERSION);
    if (!versioned)
        std::fprintf(stderr, "version label reads \"%s\"\n", qPrintable(label->text()));
    return stored && versioned && list.GetCount() == 1 && combo.isEditable() ? 0 : 1;
}
