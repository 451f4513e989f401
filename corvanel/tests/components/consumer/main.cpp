// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// Stores a value through the installed library, reads it back and builds a
// component widget; exits 0 when all of it works.
#include <JMRU.h>
#include <Jstore.h>
#include <MRUCombo.h>

#include <QApplication>

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
    return stored && list.GetCount() == 1 && combo.isEditable() ? 0 : 1;
}
