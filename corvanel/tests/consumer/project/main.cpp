// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// Stores a value through the installed library, reads it back, builds
// component widgets and shows its own version in a version label; exits 0
// when all of it works. Every installed header is included, so that each of
// them compiles on its own terms in a project that is not the library's.
#include <corvanel/AnimatedLabel.h>
#include <corvanel/ButtonGlyph.h>
#include <corvanel/Colors.h>
#include <corvanel/Component.h>
#include <corvanel/ComponentLoader.h>
#include <corvanel/Debug.h>
#include <corvanel/Events.h>
#include <corvanel/Exception.h>
#include <corvanel/FancyButton.h>
#include <corvanel/GlyphCache.h>
#include <corvanel/GlyphList.h>
#include <corvanel/JMRU.h>
#include <corvanel/Jstore.h>
#include <corvanel/MRUCombo.h>
#include <corvanel/NumberEdit.h>
#include <corvanel/TRegistry.h>
#include <corvanel/Translations.h>
#include <corvanel/URLStatic.h>
#include <corvanel/UnitEdit.h>
#include <corvanel/Version.h>
#include <corvanel/VersionInfo.h>
#include <corvanel/corvanel_export.h>
#include <corvanel/undo.h>

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
    // A handler set through the installed header reaches the library's click.
    corvanel::TFancyButton button;
    int clicks = 0;
    button.SetOnClick([&](QObject *) { ++clicks; });
    button.Click();

    QWidget form;
    auto *label = new corvanel::TVersionLabel(&form);
    corvanel::loadComponents(&form);
    const bool versioned = label->text() == QStringLiteral("Version " CONSUMER_VERSION);
    if (!versioned)
        std::fprintf(stderr, "version label reads \"%s\"\n", qPrintable(label->text()));
    return stored && versioned && list.GetCount() == 1 && combo.isEditable() && clicks == 1 ? 0 : 1;
}
