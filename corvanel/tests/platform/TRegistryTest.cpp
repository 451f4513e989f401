// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/TRegistry.h>

#include "TempRegistry.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <unistd.h>

using corvanel::RegistryFileKey;
using corvanel::RegistryFormat;
using corvanel::RegistryRoot;
using corvanel::RegistryValue;
using corvanel::TRegistry;

namespace {

const RegistryValue *findIn(const QList<RegistryFileKey> &keys, const QString &path,
                            const QString &name)
{
    for (const RegistryFileKey &key : keys)
        if (key.path == path)
            for (const auto &[n, v] : key.values)
                if (n == name)
                    return &v;
    return nullptr;
}

class Registry : public ::testing::Test
{
protected:
    TempRegistry store;

    QList<RegistryFileKey> fileKeys() const { return RegistryFormat::parse(store.contents()); }
};

TEST_F(Registry, typedValuesLandInTheFileWithTheirTypes)
{
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("\\Software\\Ombrel", true));
        EXPECT_TRUE(reg.WriteInteger("Count", 3));
        EXPECT_TRUE(reg.WriteString("0", "D:\\a\\one.txt"));
        EXPECT_TRUE(reg.WriteExpandString("Path", "%HOME%"));
    }
    const QList<RegistryFileKey> keys = fileKeys();
    const QString key = "HKEY_CURRENT_USER\\Software\\Ombrel";
    ASSERT_NE(findIn(keys, key, "Count"), nullptr);
    EXPECT_EQ(*findIn(keys, key, "Count"), RegistryValue::fromDWord(3));
    EXPECT_EQ(*findIn(keys, key, "0"), RegistryValue::fromString("D:\\a\\one.txt"));
    EXPECT_EQ(*findIn(keys, key, "Path"), RegistryValue::fromExpandString("%HOME%"));
    EXPECT_TRUE(store.contents().contains("\"Count\"=dword:00000003"));
}

TEST_F(Registry, readsOnlyTheMatchingType)
{
    store.write("REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"n\"=dword:fffffffe\n\"s\"=\"text\"\n"
                "\"e\"=hex(2):25,58,25,00\n\"b\"=hex:01\n");
    TRegistry reg(TRegistry::Access::Read);
    ASSERT_TRUE(reg.OpenKeyReadOnly("K"));
    qint32 number = 42;
    QString text = "untouched";
    EXPECT_TRUE(reg.ReadInteger("n", number));
    EXPECT_EQ(number, -2);
    EXPECT_FALSE(reg.ReadInteger("s", number));
    EXPECT_EQ(number, -2);
    EXPECT_FALSE(reg.ReadString("n", text));
    EXPECT_EQ(text, "untouched");
    EXPECT_TRUE(reg.ReadString("e", text));
    EXPECT_EQ(text, "%X%");
    EXPECT_EQ(reg.GetDataType("s"), corvanel::rdString);
    EXPECT_EQ(reg.GetDataType("e"), corvanel::rdExpandString);
    EXPECT_EQ(reg.GetDataType("n"), corvanel::rdInteger);
    EXPECT_EQ(reg.GetDataType("b"), corvanel::rdBinary);
    EXPECT_EQ(reg.GetDataType("missing"), corvanel::rdUnknown);
    EXPECT_FALSE(reg.ReadString("missing", text));
}

TEST_F(Registry, namesIgnoreCaseAndKeepTheirStoredSpelling)
{
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("Software\\Ombrel", true));
        reg.WriteInteger("Count", 1);
    }
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("SOFTWARE\\ombrel", true));
    EXPECT_EQ(reg.CurrentPath(), "Software\\Ombrel");
    EXPECT_TRUE(reg.ValueExists("COUNT"));
    reg.WriteInteger("count", 2);
    EXPECT_EQ(reg.GetValueNames(), QStringList{"Count"});
    reg.CloseKey();
    EXPECT_TRUE(store.contents().contains("\"Count\"=dword:00000002"));
    EXPECT_FALSE(store.contents().contains("count"));
    EXPECT_FALSE(store.contents().contains("SOFTWARE"));
}

TEST_F(Registry, aCreatedKeyExistsWithoutValues)
{
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("Software\\Empty\\Deeper", true));
    }
    EXPECT_TRUE(store.contents().contains("[HKEY_CURRENT_USER\\Software\\Empty\\Deeper]"));
    TRegistry reg;
    EXPECT_TRUE(reg.KeyExists("software\\empty"));
    EXPECT_FALSE(reg.KeyExists("Software\\Other"));
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software"));
    EXPECT_EQ(reg.GetKeyNames(), QStringList{"Empty"});
    EXPECT_FALSE(reg.OpenKey("Software\\Missing", false));
}

TEST_F(Registry, oddValueNamesAndValuesNamedLikeSubkeysStayApart)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("K\\Sub", true));
    reg.WriteInteger("inner", 1);
    ASSERT_TRUE(reg.OpenKey("K", true));
    const QStringList names = {"Sub", "a/b", "a\\b", "x=y", "50%", ""};
    for (const QString &name : names)
        reg.WriteString(name, "v:" + name);
    ASSERT_TRUE(reg.DeleteValue("sub"));
    reg.CloseKey();
    ASSERT_TRUE(reg.OpenKey("K", false));
    for (const QString &name : names.mid(1)) {
        QString value;
        EXPECT_TRUE(reg.ReadString(name, value)) << name.toStdString();
        EXPECT_EQ(value, "v:" + name);
    }
    EXPECT_FALSE(reg.ValueExists("Sub"));
    EXPECT_TRUE(reg.KeyExists("K\\Sub"));
}

TEST_F(Registry, deletingAKeyRemovesItsSubtreeOnly)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("A\\B\\C", true));
    reg.WriteInteger("c", 1);
    ASSERT_TRUE(reg.OpenKey("A", true));
    reg.WriteInteger("B", 7); // a value named like the doomed subkey
    reg.CloseKey();
    EXPECT_TRUE(reg.DeleteKey("a\\b"));
    EXPECT_FALSE(reg.KeyExists("A\\B"));
    EXPECT_FALSE(reg.KeyExists("A\\B\\C"));
    ASSERT_TRUE(reg.OpenKey("A", false));
    qint32 b = 0;
    EXPECT_TRUE(reg.ReadInteger("B", b));
    EXPECT_EQ(b, 7);
    EXPECT_FALSE(reg.DeleteKey("A\\Nothing"));
    EXPECT_FALSE(reg.DeleteKey(""));
}

TEST_F(Registry, rootsWithoutAStoreCannotBeOpened)
{
    for (RegistryRoot root : {RegistryRoot::DynData, RegistryRoot::PerformanceData,
                              RegistryRoot::NoRoot, RegistryRoot(0x1234)}) {
        TRegistry reg;
        reg.SetRootKey(root);
        EXPECT_FALSE(reg.OpenKey("Software", true));
        EXPECT_FALSE(reg.WriteInteger("x", 1));
        qint32 value = 5;
        EXPECT_FALSE(reg.ReadInteger("x", value));
        EXPECT_EQ(value, 5);
    }
}

TEST_F(Registry, eachRootHasAFileOfItsOwn)
{
    TRegistry reg;
    reg.SetRootKey(RegistryRoot::LocalMachine);
    ASSERT_TRUE(reg.OpenKey("Software", true));
    reg.WriteInteger("machine", 1);
    reg.CloseKey();
    EXPECT_TRUE(store.contents("HKEY_LOCAL_MACHINE").contains("\"machine\"=dword:00000001"));
    EXPECT_FALSE(QFile::exists(store.file()));
    EXPECT_EQ(TRegistry::RootFromName("hkcu"), RegistryRoot::CurrentUser);
    EXPECT_EQ(TRegistry::RootFromName("HKEY_LOCAL_MACHINE"), RegistryRoot::LocalMachine);
    EXPECT_EQ(TRegistry::RootFromName("HKXX"), RegistryRoot::NoRoot);
}

TEST(RegistryLocation, followsTheXdgFoldersWithoutTheOverride)
{
    const QByteArray oldHome = qgetenv("XDG_CONFIG_HOME"), oldDirs = qgetenv("XDG_CONFIG_DIRS");
    const QByteArray oldOverride = qgetenv("CORVANEL_REGISTRY_DIR");
    qunsetenv("CORVANEL_REGISTRY_DIR");
    qputenv("XDG_CONFIG_HOME", "/tmp/ombrel-home-config");
    qputenv("XDG_CONFIG_DIRS", "/tmp/ombrel-system-config");
    EXPECT_EQ(TRegistry::StoreFileName(RegistryRoot::CurrentUser),
              "/tmp/ombrel-home-config/Corvanel/registry/HKEY_CURRENT_USER.db");
    EXPECT_EQ(TRegistry::StoreFileName(RegistryRoot::LocalMachine),
              "/tmp/ombrel-system-config/Corvanel/registry/HKEY_LOCAL_MACHINE.db");
    EXPECT_EQ(TRegistry::StoreFileName(RegistryRoot::DynData), "");
    qputenv("XDG_CONFIG_HOME", oldHome);
    qputenv("XDG_CONFIG_DIRS", oldDirs);
    if (!oldOverride.isEmpty())
        qputenv("CORVANEL_REGISTRY_DIR", oldOverride);
}

TEST_F(Registry, anUnwritableStoreRefusesFullAccessWithoutCrashing)
{
    store.makeUnwritable();
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey("Software", true));
    EXPECT_FALSE(reg.WriteString("x", "y"));
    EXPECT_FALSE(reg.OpenKeyReadOnly("Software"));
    EXPECT_TRUE(reg.Flush());
}

TEST_F(Registry, aReadOnlyFolderStillAllowsReading)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    store.write("REGEDIT4\n[HKEY_CURRENT_USER\\Software]\n\"v\"=dword:00000001\n");
    QFile::setPermissions(store.path(), QFile::ReadOwner | QFile::ExeOwner);
    TRegistry full;
    EXPECT_FALSE(full.OpenKey("Software", true));
    TRegistry read(TRegistry::Access::Read);
    ASSERT_TRUE(read.OpenKeyReadOnly("Software"));
    qint32 v = 0;
    EXPECT_TRUE(read.ReadInteger("v", v));
    EXPECT_EQ(v, 1);
    QFile::setPermissions(store.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(Registry, aDamagedFileIsCarriedOverAsFarAsPossibleAndKeptAsItWas)
{
    const QByteArray damaged = "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Ombrel]\n"
                               "\"Count\"=dword:00000002\n"
                               "garbage line\n"
                               "\"0\"=\"kept\"\n"
                               "\"1\"=\"cut sho";
    store.write(damaged);
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("Software\\Ombrel", true));
        qint32 count = 0;
        QString first, second = "default";
        EXPECT_TRUE(reg.ReadInteger("Count", count));
        EXPECT_EQ(count, 2);
        EXPECT_TRUE(reg.ReadString("0", first));
        EXPECT_EQ(first, "kept");
        EXPECT_FALSE(reg.ReadString("1", second));
        EXPECT_EQ(second, "default");
        reg.WriteInteger("Count", 2); // the same value: no write
    }
    EXPECT_FALSE(QFile::exists(store.legacyFile()));
    QFile kept(store.legacyFile() + ".imported");
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), damaged);
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("Software\\Ombrel", true));
        reg.WriteString("1", "new");
    }
    const QList<RegistryFileKey> keys = fileKeys();
    const QString key = "HKEY_CURRENT_USER\\Software\\Ombrel";
    ASSERT_NE(findIn(keys, key, "0"), nullptr);
    EXPECT_EQ(findIn(keys, key, "0")->text, "kept");
    EXPECT_EQ(findIn(keys, key, "Count")->dword, 2u);
    EXPECT_EQ(findIn(keys, key, "1")->text, "new");
}

QStringList warnings;

void captureWarning(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtWarningMsg)
        warnings << message;
}

TEST_F(Registry, aStoreOfRelease2IsCarriedOverWithItsCommentsAndDamagedLinesReported)
{
    const QByteArray old = "REGEDIT4\n; written by hand\n"
                           "[HKEY_CURRENT_USER\\Software\\Ombrel]\n"
                           "\"Count\"=dword:00000002\n"
                           "\"0\"=\"D:\\\\a\\\\one.txt\"\n"
                           "this line is damaged\n"
                           "\"Path\"=hex(2):25,48,25,00\n"
                           "[HKEY_CURRENT_USER\\Software\\Ombrel\\Empty]\n";
    store.write(old);
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureWarning);
    TRegistry reg;
    const bool opened = reg.OpenKeyReadOnly("Software\\Ombrel");
    qInstallMessageHandler(previous);
    ASSERT_TRUE(opened) << qPrintable(reg.LastError());
    qint32 count = 0;
    QString first, path;
    EXPECT_TRUE(reg.ReadInteger("Count", count));
    EXPECT_EQ(count, 2);
    EXPECT_TRUE(reg.ReadString("0", first));
    EXPECT_EQ(first, "D:\\a\\one.txt");
    EXPECT_EQ(reg.GetDataType("Path"), corvanel::rdExpandString);
    EXPECT_EQ(reg.GetKeyNames(), QStringList({"Empty"}));
    const QString report = warnings.join('\n');
    EXPECT_TRUE(report.contains("line 2: ; written by hand")) << qPrintable(report);
    EXPECT_TRUE(report.contains("line 6")) << qPrintable(report);
    EXPECT_TRUE(report.contains(store.legacyFile() + ".imported")) << qPrintable(report);
    QFile kept(store.legacyFile() + ".imported");
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), old);
    EXPECT_FALSE(QFile::exists(store.legacyFile()));
}

TEST_F(Registry, aWriteOverAStaleViewKeepsWhatAnotherProcessWrote)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Software\\Race", true));
    reg.WriteInteger("before", 1);
    ASSERT_TRUE(reg.Flush());
    ASSERT_EQ(QProcess::execute(REGISTRY_WRITER, {"other", "3"}), 0);
    reg.WriteInteger("mine", 2);
    reg.CloseKey();
    TRegistry check(TRegistry::Access::Read);
    ASSERT_TRUE(check.OpenKeyReadOnly("Software\\Race"));
    QStringList names = check.GetValueNames();
    names.sort();
    EXPECT_EQ(names, QStringList({"before", "mine", "other0", "other1", "other2"}));
}

TEST_F(Registry, twoProcessesWritingTheSameKeyAtOnceLoseNothing)
{
    constexpr int kEach = 120;
    QProcess a, b;
    for (QProcess *p : {&a, &b})
        p->setProcessChannelMode(QProcess::ForwardedChannels);
    a.start(REGISTRY_WRITER, {"a", QString::number(kEach)});
    b.start(REGISTRY_WRITER, {"b", QString::number(kEach)});
    ASSERT_TRUE(a.waitForFinished(120000));
    ASSERT_TRUE(b.waitForFinished(120000));
    EXPECT_EQ(a.exitCode(), 0);
    EXPECT_EQ(b.exitCode(), 0);
    TRegistry reg(TRegistry::Access::Read);
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Race"));
    EXPECT_EQ(reg.GetValueNames().size(), 2 * kEach);
    for (int i = 0; i < kEach; ++i) {
        for (const char *prefix : {"a", "b"}) {
            qint32 v = -1;
            EXPECT_TRUE(reg.ReadInteger(prefix + QString::number(i), v));
            EXPECT_EQ(v, i);
        }
    }
}

} // namespace
