// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// The store under hostile conditions: a full disk, names that try to break a
// line, stray bytes, odd spellings, a held lock, two paths to one file.
#include <corvanel/TRegistry.h>

#include "RegistryFormat.h"
#include "RegistryPlace.h"

#include "TempRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using corvanel::RegistryFormat;
using corvanel::RegistryPlace;
using corvanel::RegistryRoot;
using corvanel::RegistryValue;
using corvanel::TRegistry;

namespace {

class Store : public ::testing::Test
{
protected:
    TempRegistry store;

    static QString read(const QString &key, const QString &name)
    {
        TRegistry reg(TRegistry::Access::Read);
        QString value = "missing";
        if (reg.OpenKeyReadOnly(key))
            reg.ReadString(name, value);
        return value;
    }
};

// Runs `body` in a child process whose files may grow to `limit` bytes only
// (a nearly full disk); returns what the body returned.
template <typename Body> int withFileSizeLimit(rlim_t limit, Body body)
{
    const pid_t pid = fork();
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit rl{limit, limit};
        setrlimit(RLIMIT_FSIZE, &rl);
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(Store, aFullDiskFailsTheWriteAndLeavesTheStoreAsItWas)
{
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("Software\\Keep", true));
        for (int i = 0; i < 300; ++i)
            reg.WriteString(QString::number(i), QString(20, QLatin1Char('k')));
    }
    const QByteArray before = store.contents();
    ASSERT_GT(before.size(), 8192);
    const int result = withFileSizeLimit(8192, [] {
        TRegistry reg;
        reg.SetLazyWrite(false);
        return reg.OpenKey("Software\\Big", true) &&
               reg.WriteString("v", QString(40000, QLatin1Char('x'))) && reg.Flush();
    });
    EXPECT_EQ(result, 1) << "the write must be reported as failed";
    EXPECT_EQ(store.contents(), before);
    EXPECT_EQ(QDir(store.path()).entryList({"*.tmp"}, QDir::Files | QDir::Hidden), QStringList());
    EXPECT_EQ(read("Software\\Keep", "299"), QString(20, QLatin1Char('k')));
}

TEST_F(Store, namesThatWouldBreakALineAreRefusedAndPlantNothing)
{
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey("Software\\Evil]\n[HKEY_CURRENT_USER\\Software", true));
    ASSERT_TRUE(reg.OpenKey("Software\\Good", true));
    EXPECT_FALSE(reg.WriteString("a\nb", "x"));
    EXPECT_FALSE(reg.WriteInteger("c\rd", 1));
    EXPECT_TRUE(reg.WriteString("odd ]\"[=@\\ name", "x\n\"debug\"=dword:1"));
    reg.CloseKey();
    EXPECT_FALSE(store.contents().contains("\n\"debug\""));
    EXPECT_EQ(read("Software\\Good", "odd ]\"[=@\\ name"), "x\n\"debug\"=dword:1");
    EXPECT_EQ(read("Software", "debug"), "missing");
}

TEST_F(Store, aStrayByteChangesOnlyTheValueThatHoldsItAndTextSurvivesAWrite)
{
    store.write("REGEDIT4\n[HKEY_CURRENT_USER\\S]\n\"a\"=\"Gr\xC3\xBC\xC3\x9F"
                "e\"\n"
                "\"b\"=\"bad \xFF byte\"\n"
                "\"c\"=hex(1):ef,bb,bf,41,00,00\n");
    EXPECT_EQ(read("S", "a"), QString::fromUtf8("Grüße"));
    EXPECT_EQ(read("S", "b"), QString::fromLatin1("bad \xFF byte"));
    EXPECT_EQ(read("S", "c"), QString(QChar(0xFEFF)) + "A" + QChar(0));
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("S", true));
        reg.WriteInteger("new", 1);
    }
    EXPECT_TRUE(store.contents().contains("\"a\"=\"Gr\xC3\xBC\xC3\x9F"
                                          "e\"\n"));
    EXPECT_EQ(read("S", "c"), QString(QChar(0xFEFF)) + "A" + QChar(0));
}

TEST(StoreText, utf16FilesKeepALeadingByteOrderMarkAndLoseNoLoneSurrogateSilently)
{
    const QString text =
        QString("Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER\\X]\r\n"
                "\"e\"=hex(1):ff,fe,41,00,00,00\r\n\"s\"=\"a") +
        QChar(0xDD10) + "\"\r\n";
    QByteArray file("\xFF\xFE");
    file.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    const QList<corvanel::RegistryFileKey> keys = RegistryFormat::parse(file);
    ASSERT_EQ(keys.size(), 1);
    ASSERT_EQ(keys[0].values.size(), 2);
    EXPECT_EQ(keys[0].values[0].second.text, QString(QChar(0xFEFF)) + "A");
    EXPECT_EQ(keys[0].values[1].second.text, QString("a") + QChar(QChar::ReplacementCharacter));
}

TEST_F(Store, sectionsRootsAndDwordsAreReadTheWayTheRegistryMeansThem)
{
    store.write("REGEDIT4\n[HKEY_CURRENT_USER\\Software\\A]\n\"x\"=\"old\"\n"
                "[hkcu\\software\\B]\n\"y\"=dword:5\n"
                "[hkey_current_user\\SOFTWARE\\a]\n\"x\"=\"new\"\n");
    EXPECT_EQ(read("software\\a", "X"), "new");
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Software\\B", false));
    qint32 y = 0;
    EXPECT_TRUE(reg.ReadInteger("y", y));
    EXPECT_EQ(y, 5);
    reg.WriteString("z", "1");
    reg.CloseKey();
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software"));
    EXPECT_EQ(reg.GetKeyNames(), QStringList({"A", "B"}));
    const QByteArray file = store.contents();
    EXPECT_TRUE(file.contains("[HKEY_CURRENT_USER\\Software\\A]\n\"x\"=\"new\""));
    EXPECT_TRUE(file.contains("\"y\"=dword:00000005"));
    EXPECT_FALSE(file.contains("hkcu"));
}

TEST_F(Store, aDirectoryInPlaceOfTheStoreIsAnErrorNotAnEmptyStore)
{
    ASSERT_TRUE(QDir().mkpath(store.file()));
    TRegistry reg(TRegistry::Access::Read);
    EXPECT_FALSE(reg.OpenKeyReadOnly(""));
    EXPECT_TRUE(reg.LastError().contains("not a regular file"));
}

TEST_F(Store, readingTakesNoLockAndCreatesNothingAndAWriterGivesUp)
{
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("Software\\L", true));
        reg.WriteString("v", "1");
    }
    // Another writer in the middle of a transaction holds the write lock.
    QString error;
    const auto held = RegistryPlace::open(RegistryRoot::CurrentUser, false, &error);
    ASSERT_TRUE(held && held->begin()) << qPrintable(error);
    EXPECT_EQ(read("Software\\L", "v"), "1");
    EXPECT_EQ(read("Software\\Nothing", "v"), "missing");
    TRegistry writer;
    ASSERT_TRUE(writer.OpenKey("Software\\L", true));
    EXPECT_FALSE(writer.WriteString("v", "2"));
    EXPECT_TRUE(writer.LastError().contains("being changed by another program"))
        << qPrintable(writer.LastError());
    held->rollback();
    EXPECT_EQ(read("Software\\L", "v"), "1");
    EXPECT_TRUE(writer.WriteString("v", "3"));
    EXPECT_EQ(read("Software\\L", "v"), "3");
}

TEST(StoreReading, createsNoFileOrFolder)
{
    TempRegistry store;
    const QString dir = store.path() + "/not-yet";
    qputenv("CORVANEL_REGISTRY_DIR", QFile::encodeName(dir));
    TRegistry reg(TRegistry::Access::Read);
    EXPECT_FALSE(reg.OpenKeyReadOnly("Software"));
    EXPECT_FALSE(reg.KeyExists("Software"));
    EXPECT_FALSE(QFileInfo::exists(dir));
}

TEST_F(Store, writersThroughALinkAndTheRealFolderLoseNothing)
{
    const QString link = store.path() + "/link";
    ASSERT_TRUE(QFile::link(store.path(), link));
    constexpr int kEach = 60;
    QProcess a, b;
    QProcessEnvironment viaLink = QProcessEnvironment::systemEnvironment();
    viaLink.insert("CORVANEL_REGISTRY_DIR", link);
    b.setProcessEnvironment(viaLink);
    a.start(REGISTRY_WRITER, {"a", QString::number(kEach)});
    b.start(REGISTRY_WRITER, {"b", QString::number(kEach)});
    ASSERT_TRUE(a.waitForFinished(120000));
    ASSERT_TRUE(b.waitForFinished(120000));
    EXPECT_EQ(a.exitCode(), 0);
    EXPECT_EQ(b.exitCode(), 0);
    TRegistry reg(TRegistry::Access::Read);
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Race"));
    EXPECT_EQ(reg.GetValueNames().size(), 2 * kEach);
    EXPECT_FALSE(QFileInfo(store.file()).isSymLink());
}

// The engine is no part of the interface: TRegistry is one pointer.
static_assert(sizeof(TRegistry) == sizeof(void *));

QFile::Permissions permissionsOf(const QString &path)
{
    return QFileInfo(path).permissions() &
           ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser); // the owner's, twice
}

TEST(StorePrivacy, theUsersFolderAndEveryDatabaseFileAreTheUsersAlone)
{
    TempRegistry store;
    const QString dir = store.path() + "/config/Corvanel/registry";
    qputenv("CORVANEL_REGISTRY_DIR", QFile::encodeName(dir));
    TRegistry reg;
    reg.SetLazyWrite(false);
    ASSERT_TRUE(reg.OpenKey("Software\\Recent", true)) << qPrintable(reg.LastError());
    ASSERT_TRUE(reg.WriteString("0", "/home/me/secret.txt"));
    const QFile::Permissions owner = QFile::ReadOwner | QFile::WriteOwner;
    EXPECT_EQ(permissionsOf(dir), owner | QFile::ExeOwner);
    for (const char *suffix : {".db", ".db-wal", ".db-shm"}) {
        const QString file = dir + "/HKEY_CURRENT_USER" + suffix;
        ASSERT_TRUE(QFile::exists(file)) << suffix;
        EXPECT_EQ(permissionsOf(file), owner) << suffix;
    }
}

TEST_F(Store, aLinkPlantedInThePlaceOfTheStoreIsNeverFollowed)
{
    const QString victim = store.path() + "/victim";
    {
        QFile f(victim);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("precious");
    }
    ASSERT_TRUE(QFile::link(victim, store.file()));
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey("Software", true));
    EXPECT_TRUE(reg.LastError().contains("symbolic link")) << qPrintable(reg.LastError());
    QFile f(victim);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "precious");
}

TEST_F(Store, aFolderOthersCanWriteOrThatBelongsToAnotherUserIsRefusedByName)
{
    const QString dir = store.path() + "/shared";
    ASSERT_TRUE(QDir().mkpath(dir));
    qputenv("CORVANEL_REGISTRY_DIR", QFile::encodeName(dir));
    for (const auto mode : {S_IRWXU | S_IRWXG | S_IRWXO | S_ISVTX, S_IRWXU | S_IRWXG | 0}) {
        ASSERT_EQ(::chmod(QFile::encodeName(dir).constData(), mode), 0);
        TRegistry reg;
        EXPECT_FALSE(reg.OpenKey("Software", true));
        EXPECT_EQ(reg.LastError(), QString("The store folder %1 can be written by other users; no "
                                           "store is kept there.")
                                       .arg(dir));
    }
    EXPECT_FALSE(QFile::exists(dir + "/HKEY_CURRENT_USER.db"));
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can give a folder away";
    ASSERT_EQ(::chmod(QFile::encodeName(dir).constData(), 0755), 0);
    ASSERT_EQ(::chown(QFile::encodeName(dir).constData(), 65534, 65534), 0);
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey("Software", true));
    EXPECT_EQ(
        reg.LastError(),
        QString("The store folder %1 belongs to another user; no store is kept there.").arg(dir));
}

QString randomName(QRandomGenerator &random)
{
    static const QString alphabet = QString::fromUtf8("0019aAbZ_ \xD9\xA1\xD9\xA0\xEF\xBC\x91/K");
    QString name;
    const int length = random.bounded(6);
    for (int i = 0; i < length; ++i)
        name += alphabet[random.bounded(int(alphabet.size()))];
    return name;
}

TEST(NameOrder, isAStrictWeakOrderOnRandomNamesWithForeignDigits)
{
    QRandomGenerator random(13);
    QStringList names;
    for (int i = 0; i < 120; ++i)
        names << randomName(random);
    names << QString::fromUtf8("\xD9\xA1/0")
          << QString::fromUtf8("0\xD9\xA1"
                               "b")
          << "K";
    const auto less = [](const QString &a, const QString &b) {
        return RegistryFormat::compareNames(a, b) < 0;
    };
    for (const QString &a : names) {
        EXPECT_FALSE(less(a, a));
        for (const QString &b : names) {
            EXPECT_EQ(RegistryFormat::compareNames(a, b), -RegistryFormat::compareNames(b, a));
            for (const QString &c : names) {
                if (less(a, b) && less(b, c)) {
                    ASSERT_TRUE(less(a, c)) << qPrintable(a + "|" + b + "|" + c);
                }
            }
        }
    }
    EXPECT_TRUE(less("2", "10"));
    EXPECT_TRUE(less("count", "Count2"));
}

} // namespace
