// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "RegistryFormat.h"
#include <corvanel/ComponentLoader.h>
#include <corvanel/Exception.h>
#include <corvanel/JMRU.h>

#include "ExceptionMessage.h"
#include "TempRegistry.h"

#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <sqlite3.h>

using corvanel::Exception;
using MRU = corvanel::TJMostRecentlyUsedList;

namespace {

QStringList texts(const QList<QAction *> &actions)
{
    QStringList out;
    for (QAction *a : actions)
        out << (a->isSeparator() ? QStringLiteral("|sep|") : a->text());
    return out;
}

// Makes the store refuse every write of the value `name` (here "2"), as a
// full disk would refuse a write half-way through a save.
void refuseWritesOf(const QString &databaseFile)
{
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(databaseFile).constData(), &db), SQLITE_OK);
    // Names are stored as UTF-16 code units: "2" is x'3200'.
    const int rc = sqlite3_exec(db,
                                "CREATE TRIGGER refuse_2 BEFORE INSERT ON vals "
                                "WHEN NEW.name = x'3200' BEGIN SELECT RAISE(ABORT, 'refused'); END",
                                nullptr, nullptr, nullptr);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK);
}

class MRUList : public ::testing::Test
{
protected:
    TempRegistry store;
    QMenu fileMenu{"&File"};
    QMenu recentMenu{"&Recent"};
    QAction *open = fileMenu.addAction("&Open");
    QAction *recent = fileMenu.addMenu(&recentMenu);
    QAction *quit = fileMenu.addAction("&Quit");
    std::unique_ptr<MRU> list = std::make_unique<MRU>();

    void SetUp() override
    {
        list->SetAutoSave(false);
        list->SetRootMenuItem(recent);
    }

    QStringList entries() const
    {
        QStringList out;
        list->CopyItems(out);
        return out;
    }
    // What a second list reads back from `key`, keeping at most `maxItems`.
    static QStringList loadedFrom(const QString &key, uint maxItems = 0)
    {
        MRU loaded;
        loaded.SetAutoSave(false);
        loaded.SetStorageKey(key);
        if (maxItems > 0)
            loaded.SetMaxItems(maxItems);
        loaded.Load();
        QStringList back;
        loaded.CopyItems(back);
        return back;
    }
    void addNumbered(int n)
    {
        for (int i = 0; i < n; ++i)
            list->Add(QString("C:\\f%1.txt").arg(i));
    }
};

TEST_F(MRUList, showsTheMostRecentFirstWithNumberedFileNames)
{
    list->Add("D:\\a\\one.txt");
    list->Add("D:\\b\\two.txt");
    EXPECT_EQ(entries(), QStringList({"D:\\b\\two.txt", "D:\\a\\one.txt"}));
    EXPECT_EQ(texts(recentMenu.actions()), QStringList({"&0 two.txt", "&1 one.txt"}));
    list->Add("/home/me/three.txt");
    EXPECT_EQ(recentMenu.actions().first()->text(), "&0 three.txt");
}

TEST_F(MRUList, reAddingIgnoresCaseAndKeepsTheStoredSpelling)
{
    list->Add("D:\\a\\one.txt");
    list->Add("D:\\b\\two.txt");
    list->Add("d:\\A\\ONE.TXT");
    EXPECT_EQ(entries(), QStringList({"D:\\a\\one.txt", "D:\\b\\two.txt"}));
    EXPECT_EQ(list->IndexOf("D:\\B\\TWO.txt"), 1);
    EXPECT_TRUE(list->Used("d:\\b\\two.TXT"));
    EXPECT_EQ(list->GetItem(0), "D:\\b\\two.txt");
    EXPECT_FALSE(list->Used("new"));
    EXPECT_EQ(list->GetCount(), 3);
    list->Add("");
    EXPECT_EQ(list->GetCount(), 3);
}

// Case is folded for A to Z only, and names sort by their upper-case ASCII
// codes, so '[' and '_' come after the letters.
TEST_F(MRUList, entriesDifferInEverythingButAsciiLetterCase)
{
    for (const char *s : {"\u00c9t\u00e9.txt", "\u00e9t\u00e9.txt", "\u017f.txt", "s.txt", "S.TXT"})
        list->Add(QString::fromUtf8(s));
    EXPECT_EQ(list->GetCount(), 4);
    EXPECT_EQ(list->IndexOf(QString::fromUtf8("\u00c9T\u00e9.TXT")), 3);
    EXPECT_EQ(list->IndexOf(QString::fromUtf8("\u00e9T\u00e9.txt")), 2);

    list->Clear();
    list->SetSortBy(MRU::skName);
    for (const char *s : {"_b.txt", "[x].txt", "a.txt", "B.txt"})
        list->Add(s);
    EXPECT_EQ(entries(), QStringList({"a.txt", "B.txt", "[x].txt", "_b.txt"}));
}

TEST_F(MRUList, aFullListDropsTheOldestEntryAndItsMenuItem)
{
    addNumbered(10);
    QPointer<QAction> oldest = list->GetMenuItem("C:\\f0.txt");
    ASSERT_TRUE(oldest);
    list->Add("C:\\new.txt");
    EXPECT_EQ(list->GetCount(), 10);
    EXPECT_EQ(list->IndexOf("C:\\f0.txt"), -1);
    EXPECT_TRUE(oldest.isNull());
    EXPECT_EQ(recentMenu.actions().size(), 10);
}

TEST_F(MRUList, sortedByNameAFullListRefusesANewEntry)
{
    list->SetSortBy(MRU::skName);
    list->SetMaxItems(3);
    for (const char *s : {"c", "A", "b"})
        list->Add(s);
    EXPECT_EQ(entries(), QStringList({"A", "b", "c"}));
    list->Add("0first");
    EXPECT_EQ(entries(), QStringList({"A", "b", "c"}));
    EXPECT_EQ(recentMenu.actions().size(), 3);
    list->BringToTop("c"); // nothing under skName
    EXPECT_EQ(entries(), QStringList({"A", "b", "c"}));
}

TEST_F(MRUList, loweringMaxItemsTakesEffectAtTheNextAdd)
{
    addNumbered(10);
    list->SetMaxItems(5);
    EXPECT_EQ(list->GetCount(), 10);
    list->Add("C:\\x.txt");
    EXPECT_EQ(list->GetCount(), 5);
    EXPECT_EQ(recentMenu.actions().size(), 5);
    list->SetMaxItems(0);
    list->Add("C:\\y.txt");
    EXPECT_EQ(list->GetCount(), 0);
}

TEST_F(MRUList, numbersRunOutAtZ)
{
    list->SetNumberOffset(30);
    addNumbered(7);
    const QStringList captions = texts(recentMenu.actions());
    EXPECT_EQ(captions[0], "&U f6.txt");
    EXPECT_EQ(captions[5], "&Z f1.txt");
    EXPECT_EQ(captions[6], "C:\\f0.txt");
    list->SetNumberOffset(0xFFFFFFFF); // must not wrap round to small numbers
    list->Add("C:\\z.txt");
    EXPECT_EQ(recentMenu.actions()[0]->text(), "C:\\z.txt");
}

TEST_F(MRUList, captionsShowAmpersandsAndLongNamesWhole)
{
    const QString longName = "C:\\" + QString(300, 'n') + ".txt";
    list->Add(longName);
    list->Add("C:\\Tom & Jerry.txt");
    EXPECT_EQ(recentMenu.actions()[0]->text(), "&0 Tom && Jerry.txt");
    EXPECT_EQ(recentMenu.actions()[1]->text(), "&1 " + QString(300, 'n') + ".txt");
    list->SetNumberAccelerators(false);
    list->Add("C:\\again.txt");
    EXPECT_EQ(recentMenu.actions()[0]->text(), "C:\\again.txt");
}

TEST_F(MRUList, anEmptySubMenuRootIsDisabledUntilTheFirstEntry)
{
    list->Init();
    EXPECT_FALSE(recent->isEnabled());
    EXPECT_TRUE(list->RootDisabled());
    list->Add("a");
    EXPECT_TRUE(recent->isEnabled());
    recent->setEnabled(false); // the user's own choice
    list->Add("b");
    EXPECT_FALSE(recent->isEnabled());
}

TEST_F(MRUList, leavingTheSubMenuKindEnablesTheRootAgain)
{
    list->Init();
    ASSERT_FALSE(recent->isEnabled());
    list->SetMenuKind(MRU::mkInsertAfter);
    EXPECT_TRUE(recent->isEnabled());
}

TEST_F(MRUList, theSeparatorKindPutsASeparatorBehindTheRoot)
{
    list->SetRootMenuItem(open);
    list->SetMenuKind(MRU::mkInsertWithSeparator);
    list->Add("C:\\one.txt");
    EXPECT_EQ(texts(fileMenu.actions()),
              QStringList({"&Open", "|sep|", "&0 one.txt", "&Recent", "&Quit"}));
    ASSERT_NE(list->Separator(), nullptr);
    EXPECT_TRUE(list->Separator()->isSeparator());
    EXPECT_TRUE(list->Separator()->text().isEmpty());
    list->Add("C:\\two.txt");
    EXPECT_EQ(texts(fileMenu.actions()),
              QStringList({"&Open", "|sep|", "&0 two.txt", "&1 one.txt", "&Recent", "&Quit"}));
    list->Clear();
    EXPECT_EQ(texts(fileMenu.actions()), QStringList({"&Open", "&Recent", "&Quit"}));
    EXPECT_EQ(list->RootMenuItem(), open);
    EXPECT_EQ(list->Separator(), nullptr);
}

TEST_F(MRUList, aDestroyedRootTakesTheSeparatorWithIt)
{
    list->SetRootMenuItem(open);
    list->SetMenuKind(MRU::mkInsertWithSeparator);
    list->Add("C:\\one.txt");
    QPointer<QAction> separator = list->Separator();
    delete open;
    open = nullptr;
    EXPECT_TRUE(separator.isNull());
    EXPECT_EQ(list->RootMenuItem(), nullptr);
    list->Add("C:\\two.txt"); // no root: nothing to place, nothing to crash
    EXPECT_EQ(list->GetCount(), 2);
}

TEST_F(MRUList, insertKindsKeepTheItemsTogetherInListOrder)
{
    list->SetRootMenuItem(quit);
    list->SetMenuKind(MRU::mkInsertBefore);
    for (const char *s : {"C:\\a", "C:\\b", "C:\\c"})
        list->Add(s);
    EXPECT_EQ(texts(fileMenu.actions()),
              QStringList({"&Open", "&Recent", "&0 c", "&1 b", "&2 a", "&Quit"}));
    list->BringToTop("C:\\a");
    EXPECT_EQ(texts(fileMenu.actions()),
              QStringList({"&Open", "&Recent", "&0 a", "&1 c", "&2 b", "&Quit"}));
    list->SetRootMenuItem(open);
    list->SetMenuKind(MRU::mkInsertAfter);
    EXPECT_EQ(texts(fileMenu.actions()),
              QStringList({"&Open", "&0 a", "&1 c", "&2 b", "&Recent", "&Quit"}));
    list->SetRootMenuItem(recent);
    list->SetMenuKind(MRU::mkSubMenu);
    EXPECT_EQ(texts(fileMenu.actions()), QStringList({"&Open", "&Recent", "&Quit"}));
    EXPECT_EQ(texts(recentMenu.actions()), QStringList({"&0 a", "&1 c", "&2 b"}));
}

TEST_F(MRUList, savesCountAndEntriesAndLoadsThemInTheSameOrder)
{
    list->SetStorageKey("Software\\Test\\MRU");
    for (const char *s : {"C:\\a", "C:\\b", "C:\\c"})
        list->Add(s);
    list->Save();
    const QList<corvanel::RegistryFileKey> keys = corvanel::RegistryFormat::parse(store.contents());
    ASSERT_EQ(keys.size(), 3); // with Software and Software\Test
    EXPECT_EQ(keys[2].path, "HKEY_CURRENT_USER\\Software\\Test\\MRU");
    QStringList saved;
    for (const auto &[name, value] : keys[2].values)
        saved << name + "=" + (value.isText() ? value.text : QString::number(value.dword));
    EXPECT_EQ(saved, QStringList({"0=C:\\c", "1=C:\\b", "2=C:\\a", "Count=3"}));

    EXPECT_EQ(loadedFrom("Software\\Test\\MRU"), QStringList({"C:\\c", "C:\\b", "C:\\a"}));
    EXPECT_EQ(loadedFrom("Software\\Test\\MRU", 2), QStringList({"C:\\c", "C:\\b"}));
}

TEST_F(MRUList, aSaveRefusedHalfWayKeepsTheListSavedBefore)
{
    list->SetStorageKey("Software\\Test\\MRU");
    for (const char *s : {"a", "b"})
        list->Add(s);
    list->Save();
    refuseWritesOf(store.file());
    list->Add("c");
    list->Save(); // "0" and "1" go through, "2" is refused
    EXPECT_FALSE(list->Storage()->IsOpen());

    EXPECT_EQ(loadedFrom("Software\\Test\\MRU"), QStringList({"b", "a"}));
}

TEST_F(MRUList, loadsSkippingEmptyAndMistypedValues)
{
    store.write("REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Test\\MRU]\n\"Count\"=dword:7fffffff\n"
                "\"0\"=\"first\"\n\"1\"=\"\"\n\"2\"=dword:00000001\n\"3\"=\"last\"\n");
    list->SetStorageKey("Software\\Test\\MRU");
    list->Load();
    EXPECT_EQ(entries(), QStringList({"first", "last"}));
    EXPECT_FALSE(list->Storage()->IsOpen());
}

TEST_F(MRUList, choosingAnItemHidesTheEntryThatWasOpened)
{
    for (const char *s : {"C:\\a", "C:\\b"})
        list->Add(s);
    QString chosen;
    bool open = true;
    list->SetOnSelect([&](QObject *sender, const QString &item, bool &opened) {
        EXPECT_EQ(sender, list.get());
        EXPECT_TRUE(opened);
        chosen = item;
        opened = open;
    });
    // Qt reports the action to the menu after our handler ran; it must
    // still be alive then.
    QString reported;
    QObject::connect(&recentMenu, &QMenu::triggered, [&](QAction *a) { reported = a->text(); });
    QPointer<QAction> item = list->GetMenuItem("C:\\a");
    open = false;
    item->trigger();
    EXPECT_EQ(chosen, "C:\\a");
    EXPECT_EQ(list->GetCount(), 2);
    open = true;
    item->trigger();
    EXPECT_EQ(reported, "&1 a");
    EXPECT_EQ(entries(), QStringList({"C:\\b"}));
    ASSERT_FALSE(item.isNull());
    EXPECT_FALSE(item->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(item.isNull());
    EXPECT_EQ(texts(recentMenu.actions()), QStringList({"&0 b"}));
}

TEST_F(MRUList, aClickInAnOpenMenuSurvivesAHandlerThatClearsTheList)
{
    for (const char *s : {"C:\\a", "C:\\b"})
        list->Add(s);
    list->SetOnSelect([&](QObject *, const QString &, bool &) { list->Clear(); });
    // Both menus report the chosen action once our handler has returned.
    QStringList reports;
    for (QMenu *menu : {&fileMenu, &recentMenu})
        QObject::connect(menu, &QMenu::triggered, [&](QAction *a) { reports << a->text(); });
    // File, then Recent, then its first item, the way a user goes there.
    fileMenu.popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fileMenu));
    fileMenu.setActiveAction(recent);
    QTest::keyClick(&fileMenu, Qt::Key_Right);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&recentMenu));
    recentMenu.setActiveAction(recentMenu.actions().first());
    QTest::keyClick(&recentMenu, Qt::Key_Return);
    EXPECT_EQ(reports, QStringList({"&0 b", "&0 b"}));
    EXPECT_EQ(list->GetCount(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(recentMenu.actions().isEmpty());
}

TEST_F(MRUList, aHandlerMayDestroyTheListDuringTheClick)
{
    list->Add("C:\\a");
    QPointer<QAction> item = list->GetMenuItem("C:\\a");
    list->SetOnSelect([&](QObject *, const QString &, bool &) { list.reset(); });
    item->trigger();
    EXPECT_EQ(list, nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(item.isNull());
    EXPECT_TRUE(recentMenu.actions().isEmpty());
}

TEST_F(MRUList, withoutAnOnSelectHandlerAClickDoesNothing)
{
    list->Add("C:\\a");
    list->GetMenuItem("C:\\a")->trigger();
    EXPECT_EQ(list->GetCount(), 1);
}

TEST_F(MRUList, reportsMisuseWithItsMessages)
{
    EXPECT_EQ(messageOf([&] { list->BringToTop("C:\\nothere"); }),
              "Cannot move C:\\nothere to top of MRU - it is not in the MRU");
    EXPECT_EQ(messageOf([&] { list->GetItem(0); }), "List index out of bounds (0)");
    list->SetRootMenuItem(nullptr);
    list->Add("C:\\a"); // no root, so no menu item
    EXPECT_EQ(list->GetMenuItem("C:\\a"), nullptr);
    list->SetRootMenuItem(recent);
    EXPECT_EQ(messageOf([&] { list->RefreshMenu(); }), "AddAt: src or dest is nil");
    QAction loose("loose");
    list->Clear();
    list->SetRootMenuItem(&loose); // in no menu and without a submenu
    EXPECT_EQ(messageOf([&] { list->Add("C:\\b"); }), "AddAt: src or dest is nil");
}

TEST_F(MRUList, aRefreshPlacesTheEntriesBeforeOneWithoutAnItemThenReports)
{
    list->SetRootMenuItem(nullptr);
    list->Add("C:\\old"); // no root, so no menu item
    list->SetRootMenuItem(recent);
    EXPECT_EQ(messageOf([&] { list->Add("C:\\new"); }), "AddAt: src or dest is nil");
    EXPECT_EQ(entries(), QStringList({"C:\\new", "C:\\old"}));
    EXPECT_EQ(texts(recentMenu.actions()), QStringList({"&0 new"}));
}

TEST_F(MRUList, raisesOnChangeAfterEveryChange)
{
    int changes = 0;
    list->SetOnChange([&](QObject *sender) {
        EXPECT_EQ(sender, list.get());
        ++changes;
    });
    list->Add("a");
    list->Add("b");
    list->BringToTop("a");
    list->Delete("b");
    list->Delete("missing");
    list->Clear();
    EXPECT_EQ(changes, 5);
}

TEST_F(MRUList, loadsWhenTheFormIsLoadedAndSavesWhenDestroyed)
{
    store.write("REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Test\\MRU]\n\"Count\"=dword:00000001\n"
                "\"0\"=\"C:\\\\saved\"\n");
    QObject form;
    auto *mru = new MRU(&form);
    mru->SetStorageKey("Software\\Test\\MRU");
    mru->SetRootMenuItem(recent);
    EXPECT_EQ(mru->GetCount(), 0); // constructing touches nothing
    corvanel::loadComponents(&form);
    EXPECT_EQ(mru->GetItem(0), "C:\\saved");
    EXPECT_EQ(texts(recentMenu.actions()), QStringList({"&0 saved"}));
    mru->Add("C:\\later");
    delete mru;
    EXPECT_TRUE(recentMenu.actions().isEmpty());
    EXPECT_TRUE(store.contents().contains("\"Count\"=dword:00000002"));
    EXPECT_TRUE(store.contents().contains("\"0\"=\"C:\\\\later\""));
}

TEST_F(MRUList, inTheDesignerItTouchesNeitherStoreNorMenus)
{
    {
        QObject form;
        auto *mru = new MRU(&form);
        mru->setDesigning(true);
        mru->SetStorageKey("Software\\Test\\MRU");
        mru->SetRootMenuItem(recent);
        int changes = 0;
        mru->SetOnChange([&](QObject *) { ++changes; });
        corvanel::loadComponents(&form);
        mru->SetSortBy(MRU::skName);
        EXPECT_EQ(changes, 0);
        EXPECT_TRUE(recent->isEnabled());
    }
    EXPECT_FALSE(QFile::exists(store.file()));
}

// Not a check: leaves a picture of a File menu with a separator-kind list.
TEST_F(MRUList, rendersAScreenshot)
{
    list->SetRootMenuItem(open);
    list->SetMenuKind(MRU::mkInsertWithSeparator);
    for (const char *s :
         {"/home/me/games/first.omb", "/home/me/games/Tom & Jerry.omb", "/home/me/games/last.omb"})
        list->Add(s);
    fileMenu.popup(QPoint(0, 0));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fileMenu));
    const QString out = qEnvironmentVariable("CORVANEL_SCREENSHOT_DIR");
    if (!out.isEmpty()) {
        EXPECT_TRUE(fileMenu.grab().save(out + "/mru-menu.png"));
    }
    fileMenu.hide();
}

} // namespace
