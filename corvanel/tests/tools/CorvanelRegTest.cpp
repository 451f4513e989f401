// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/ComponentLoader.h>
#include <corvanel/JMRU.h>
#include <corvanel/Jstore.h>
#include <corvanel/MRUCombo.h>

#include "RegistryPlace.h"
#include "TempRegistry.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

struct Result
{
    int code = -1;
    QString out;
    QString err;
};

// With `fileSizeLimit` the tool runs as on a disk with that much room left,
// as under "ulimit -f": SIGXFSZ keeps its default action, which would end the
// tool if it did not ignore the signal itself.
Result reg(const QStringList &args, rlim_t fileSizeLimit = RLIM_INFINITY)
{
    QProcess process;
    if (fileSizeLimit != RLIM_INFINITY)
        process.setChildProcessModifier([fileSizeLimit] {
            std::signal(SIGXFSZ, SIG_DFL);
            const rlimit limit{fileSizeLimit, fileSizeLimit};
            setrlimit(RLIMIT_FSIZE, &limit);
        });
    process.start(CORVANEL_REG, args);
    Result result;
    if (!process.waitForFinished(30000))
        return result;
    result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

class CorvanelReg : public ::testing::Test
{
protected:
    TempRegistry store;

    void saveMru(const QStringList &entries)
    {
        corvanel::TJMostRecentlyUsedList list;
        list.SetStorageKey("Software\\Test\\MRU");
        for (const QString &e : entries)
            list.Add(e);
    } // saved on destruction
};

TEST_F(CorvanelReg, queryShowsWhatTheMruListSaved)
{
    saveMru({"C:\\a.txt", "C:\\b.txt"});
    const Result r = reg({"query", "hkcu\\software\\test\\mru"});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("HKEY_CURRENT_USER\\Software\\Test\\MRU\n"));
    EXPECT_TRUE(r.out.contains("    Count    REG_DWORD    0x2\n"));
    EXPECT_TRUE(r.out.contains("    0    REG_SZ    C:\\b.txt\n"));
    EXPECT_TRUE(r.out.contains("    1    REG_SZ    C:\\a.txt\n"));

    const Result one = reg({"query", "HKEY_CURRENT_USER\\Software\\Test\\MRU", "/v", "count"});
    EXPECT_EQ(one.code, 0);
    EXPECT_TRUE(one.out.contains("    Count    REG_DWORD    0x2\n"));
    const Result tree = reg({"query", "HKCU\\Software", "/s"});
    EXPECT_TRUE(tree.out.contains("    0    REG_SZ    C:\\b.txt\n"));
}

TEST_F(CorvanelReg, addSwitchesAStoredBooleanOn)
{
    const Result r =
        reg({"add", "HKEY_CURRENT_USER\\Software", "/v", "debug", "/t", "REG_DWORD", "/d", "1"});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    corvanel::TJStorage storage;
    storage.SetKey("Software");
    storage.Open();
    EXPECT_TRUE(storage.ReadBool("debug", false));
    storage.Close();
    EXPECT_EQ(
        reg({"add", "HKCU\\Software", "/v", "debug", "/t", "REG_DWORD", "/d", "0x0", "/f"}).code,
        0);
    storage.Open();
    EXPECT_FALSE(storage.ReadBool("debug", true));
}

TEST_F(CorvanelReg, addWritesEveryTypeItKnows)
{
    ASSERT_EQ(reg({"add", "HKCU\\Software\\T", "/v", "s", "/d", "text with \"quotes\""}).code, 0);
    ASSERT_EQ(
        reg({"add", "HKCU\\Software\\T", "/v", "e", "/t", "REG_EXPAND_SZ", "/d", "%HOME%"}).code,
        0);
    ASSERT_EQ(reg({"add", "HKCU\\Software\\T", "/v", "b", "/t", "REG_BINARY", "/d", "00ff"}).code,
              0);
    ASSERT_EQ(reg({"add", "HKCU\\Software\\T", "/v", "n", "/t", "reg_dword", "/d", "-1"}).code, 0);
    const QByteArray file = store.contents();
    EXPECT_TRUE(file.contains("\"s\"=\"text with \\\"quotes\\\"\""));
    EXPECT_TRUE(file.contains("\"e\"=hex(2):25,48,4f,4d,45,25,00"));
    EXPECT_TRUE(file.contains("\"b\"=hex:00,ff"));
    EXPECT_TRUE(file.contains("\"n\"=dword:ffffffff"));
}

TEST_F(CorvanelReg, deleteRemovesValuesAndKeys)
{
    saveMru({"C:\\a.txt"});
    EXPECT_EQ(reg({"delete", "HKCU\\Software\\Test\\MRU", "/v", "0"}).code, 0);
    const Result again = reg({"delete", "HKCU\\Software\\Test\\MRU", "/v", "0"});
    EXPECT_EQ(again.code, 1);
    EXPECT_TRUE(again.err.startsWith("ERROR: "));
    EXPECT_TRUE(reg({"query", "HKCU\\Software\\Test\\MRU"}).out.contains("Count"));
    EXPECT_EQ(reg({"delete", "HKCU\\Software\\Test\\MRU", "/va"}).code, 0);
    EXPECT_FALSE(reg({"query", "HKCU\\Software\\Test\\MRU"}).out.contains("Count"));
    EXPECT_EQ(reg({"delete", "HKCU\\Software\\Test"}).code, 0);
    EXPECT_EQ(reg({"query", "HKCU\\Software\\Test\\MRU"}).code, 1);
    EXPECT_EQ(reg({"delete", "HKCU"}).code, 1);
}

TEST_F(CorvanelReg, exportAndImportBringAComboListBack)
{
    {
        QWidget form;
        auto *combo = new corvanel::TMRUCombo(&form);
        combo->SetStorageKey("Software\\Test\\Combo");
        for (const char *s : {"alpha", "beta"}) {
            combo->setEditText(s);
            combo->UpdateList();
        }
    }
    const QString file = QDir(store.path()).filePath("combo-export.reg");
    ASSERT_EQ(reg({"export", "HKCU\\Software\\Test\\Combo", file}).code, 0);
    EXPECT_EQ(reg({"export", "HKCU\\Software\\Test\\Combo", file}).code, 1); // exists
    EXPECT_EQ(reg({"export", "HKCU\\Software\\Test\\Combo", file, "/y"}).code, 0);
    ASSERT_EQ(reg({"delete", "HKCU\\Software\\Test\\Combo"}).code, 0);
    ASSERT_EQ(reg({"import", file}).code, 0);

    QWidget form;
    auto *combo = new corvanel::TMRUCombo(&form);
    combo->SetStorageKey("Software\\Test\\Combo");
    corvanel::loadComponents(&form);
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), "alpha");
    EXPECT_EQ(combo->itemText(1), "beta");
}

TEST_F(CorvanelReg, aDamagedImportChangesNothing)
{
    const QString file = QDir(store.path()).filePath("bad.reg");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Imported]\n\"ok\"=dword:00000001\n"
            "\"bad\"=dword:zz\n");
    f.close();
    const Result r = reg({"import", file});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("line 4"));
    EXPECT_EQ(reg({"query", "HKCU\\Software\\Imported"}).code, 1);
}

TEST_F(CorvanelReg, anImportIntoTwoRootsIsAllOrNothingWhenOneIsLocked)
{
    const QString file = QDir(store.path()).filePath("two.reg");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("REGEDIT4\n[HKEY_CURRENT_USER\\Software\\First]\n\"a\"=\"1\"\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Second]\n\"b\"=\"2\"\n");
    f.close();
    QString error;
    const auto held =
        corvanel::RegistryPlace::open(corvanel::RegistryRoot::LocalMachine, true, &error);
    ASSERT_TRUE(held && held->begin()) << qPrintable(error);
    const Result r = reg({"import", file});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("Nothing was changed")) << r.err.toStdString();
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    EXPECT_EQ(reg({"query", "HKCU\\Software\\First"}).code, 1);
    held->rollback();
    EXPECT_EQ(reg({"import", file}).code, 0);
    EXPECT_EQ(reg({"query", "HKLM\\Software\\Second", "/v", "b"}).code, 0);
    EXPECT_EQ(reg({"query", "HKCU\\Software\\First", "/v", "a"}).code, 0);
}

TEST_F(CorvanelReg, badInputFailsWithAClearMessage)
{
    const QList<QStringList> bad = {
        {},
        {"frobnicate"},
        {"query"},
        {"query", "HKEY_NOWHERE\\Software"},
        {"query", "HKEY_DYN_DATA\\Software"},
        {"query", "HKCU\\Software\\Missing"},
        {"add", "HKCU\\Software", "/v", "n", "/t", "REG_DWORD", "/d", "twelve"},
        {"add", "HKCU\\Software", "/v", "n", "/t", "REG_DWORD", "/d", "4294967296"},
        {"add", "HKCU\\Software", "/v", "b", "/t", "REG_BINARY", "/d", "abc"},
        {"add", "HKCU\\Software", "/v", "x", "/t", "REG_WHATEVER"},
        {"add", "HKCU\\Software", "/v"},
        {"import", "/nonexistent/file.reg"},
        {"add", "HKCU\\Software", "/d", "data without a value name"},
        {"add", "HKCU\\Software", "/v", "n", "/t", "REG_DWORD", "/d", " 5"},
        {"add", "HKCU\\Software", "/v", "n", "/t", "REG_DWORD", "/d", "+5"},
        {"add", "HKCU\\Software", "/v", "n", "/t", "REG_DWORD", "/d", "0x 5"},
        {"add", "HKCU\\Software\\Evil]\n[HKEY_CURRENT_USER\\Software", "/v", "debug", "/t",
         "REG_DWORD", "/d", "1"},
        {"add", "HKCU\\Software", "/v", "a\nb", "/d", "x"},
        {"import", QDir::tempPath()},
    };
    for (const QStringList &args : bad) {
        const Result r = reg(args);
        EXPECT_EQ(r.code, 1) << args.join(' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty()) << args.join(' ').toStdString();
    }
    EXPECT_FALSE(QFile::exists(store.file()));
}

TEST_F(CorvanelReg, anUnwritableStoreIsReported)
{
    store.makeUnwritable();
    const Result r = reg({"add", "HKCU\\Software", "/v", "debug", "/t", "REG_DWORD", "/d", "1"});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("Cannot write"));
}

TEST_F(CorvanelReg, aFullDiskIsReportedAndTheStoreKeepsEveryKey)
{
    saveMru({"C:\\a", "C:\\b"});
    ASSERT_EQ(reg({"add", "HKCU\\Software\\Pad", "/v", "p", "/d", QString(9000, 'p')}).code, 0);
    const QByteArray before = store.contents();
    const Result r =
        reg({"add", "HKCU\\Software\\Big", "/v", "v", "/d", QString(40000, 'x')}, 12000);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    EXPECT_FALSE(r.out.contains("successfully"));
    EXPECT_EQ(store.contents(), before);
    EXPECT_EQ(QDir(store.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"HKEY_CURRENT_USER.db"}));

    const QString exported = QDir(store.path()).filePath("out.reg");
    EXPECT_EQ(reg({"export", "HKCU\\Software", exported}, 100).code, 1);
    EXPECT_FALSE(QFileInfo::exists(exported));
}

TEST_F(CorvanelReg, exportWritesRegularFilesOnly)
{
    saveMru({"C:\\a"});
    const Result dir = reg({"export", "HKCU\\Software", store.path(), "/y"});
    EXPECT_EQ(dir.code, 1);
    EXPECT_TRUE(dir.err.contains("not a regular file"));
    if (QFileInfo("/dev/full").exists()) {
        EXPECT_EQ(reg({"export", "HKCU\\Software", "/dev/full", "/y"}).code, 1);
        EXPECT_FALSE(QFileInfo("/dev/full").isFile());
    }
}

TEST_F(CorvanelReg, emptyImportsAndStoresThatAreNoFilesAreErrors)
{
    const QString empty = QDir(store.path()).filePath("empty.reg");
    QFile(empty).open(QIODevice::WriteOnly);
    EXPECT_EQ(reg({"import", empty}).code, 1);
    ASSERT_TRUE(QDir().mkpath(store.file()));
    const Result r = reg({"query", "HKCU"});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("not a regular file"));
}

TEST_F(CorvanelReg, aDeepKeyIsListedWithAllItsLevels)
{
    QString key = "HKCU\\Software";
    for (int level = 0; level < 300; ++level)
        key += "\\k";
    ASSERT_EQ(reg({"add", key, "/v", "leaf", "/d", "here"}).code, 0);
    const Result r = reg({"query", "HKCU", "/s"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out.count("\\k"), 300 * 301 / 2);
    EXPECT_TRUE(r.out.contains("leaf    REG_SZ    here"));
}

TEST_F(CorvanelReg, helpDescribesTheCommands)
{
    const Result r = reg({"--help"});
    EXPECT_EQ(r.code, 0);
    for (const char *word : {"query", "add", "delete", "export", "import", "REG_DWORD"})
        EXPECT_TRUE(r.out.contains(word)) << word;
}

} // namespace
