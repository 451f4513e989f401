// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/Exception.h>
#include <corvanel/JMRU.h>
#include <corvanel/Translations.h>
#include <corvanel/undo.h>

#include "ExceptionMessage.h"

#include <QAction>
#include <QLocale>
#include <gtest/gtest.h>

using namespace corvanel;

namespace {

// What the library shows its user, in the language installed last.
struct Shown
{
    QString cannotUndo;
    QString noRecord;
    QString outOfBounds;
};

Shown shownTexts()
{
    Shown shown;
    JAction action;
    action.SetOnDo([](JActionData *, pJActionData) {}); // leaves nothing to undo
    JActionData record;
    record.Action = &action;
    QAction undoAction(QStringLiteral("Undo"));
    TUndoMultiBuffer buffer;
    buffer.SetUndoAction(&undoAction);
    buffer.Do(&record);
    shown.cannotUndo = undoAction.text();
    shown.noRecord = messageOf([&] { buffer.Do(nullptr); });
    TJMostRecentlyUsedList list;
    shown.outOfBounds = messageOf([&] { list.GetItem(3); });
    return shown;
}

class Translations : public ::testing::Test
{
protected:
    // The next test starts with the English texts again.
    void TearDown() override { installTranslator(QLocale(QLocale::English)); }
};

TEST_F(Translations, theTextsAreEnglishWithoutACatalogue)
{
    EXPECT_FALSE(installTranslator(QLocale(QLocale::English)));
    const Shown shown = shownTexts();
    EXPECT_EQ(shown.cannotUndo, "Can't undo");
    EXPECT_EQ(shown.noRecord, "Cannot perform an undo record without a JAction and its OnDo");
    EXPECT_EQ(shown.outOfBounds, "List index out of bounds (3)");
}

TEST_F(Translations, theTextsFollowTheInstalledLanguage)
{
    struct Row
    {
        QLocale locale;
        const char *cannotUndo;
        const char *outOfBounds;
    };
    const Row rows[] = {
        {QLocale(QLocale::German, QLocale::Germany), "Rückgängig nicht möglich",
         "Listenindex außerhalb des gültigen Bereichs (3)"},
        {QLocale(QLocale::French), "Impossible d’annuler", "Index de liste hors limites (3)"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.locale.name().toStdString());
        ASSERT_TRUE(installTranslator(row.locale));
        const Shown shown = shownTexts();
        EXPECT_EQ(shown.cannotUndo, QString::fromUtf8(row.cannotUndo));
        EXPECT_EQ(shown.outOfBounds, QString::fromUtf8(row.outOfBounds));
        EXPECT_FALSE(shown.noRecord.startsWith(QStringLiteral("Cannot perform")));
    }
}

TEST_F(Translations, aSecondLanguageReplacesTheFirst)
{
    ASSERT_TRUE(installTranslator(QLocale(QLocale::German)));
    ASSERT_TRUE(installTranslator(QLocale(QLocale::French)));
    EXPECT_EQ(shownTexts().cannotUndo, QString::fromUtf8("Impossible d’annuler"));
}

} // namespace
