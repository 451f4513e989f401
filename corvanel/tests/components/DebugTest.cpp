// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/Debug.h>
#include <corvanel/Exception.h>

#include "TempRegistry.h"

#include <QDir>
#include <QFile>
#include <QMetaProperty>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <unistd.h>

using corvanel::TDebugHelper;

namespace {

// A helper with a clock and a log file of the test's choosing.
class ProbeHelper : public TDebugHelper
{
public:
    explicit ProbeHelper(QString log, quint32 start = 1000) : m_log(std::move(log)), now(start)
    {
        SetStartTicks(start);
    }
    QString m_log;
    quint32 now;

protected:
    quint32 TickCount() const override { return now; }
    QString LogFileName() const override { return m_log; }
};

QStringList captured;

void capture(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    if (QByteArray(context.category) == "corvanel.debug")
        captured << message;
}

QByteArray readFile(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class DebugLog : public ::testing::Test
{
protected:
    TempRegistry store;
    QString log = QDir(store.path()).filePath("program.log");
    QtMessageHandler previous = nullptr;

    void SetUp() override
    {
        captured.clear();
        previous = qInstallMessageHandler(capture);
    }
    void TearDown() override { qInstallMessageHandler(previous); }

    void storeDebug(bool on)
    {
        corvanel::TJStorage s;
        s.SetKey("Software");
        s.Open();
        s.WriteBool("debug", on);
    }
};

TEST_F(DebugLog, withoutADebugValueNothingIsWrittenAndTheValueAppears)
{
    ProbeHelper helper(log);
    helper.Output("started");
    EXPECT_FALSE(QFile::exists(log));
    EXPECT_TRUE(captured.isEmpty());
    EXPECT_FALSE(helper.IsLogStarted());
    EXPECT_TRUE(
        store.contents().contains("[HKEY_CURRENT_USER\\Software]\n\"debug\"=dword:00000000"));
}

TEST_F(DebugLog, aStoredSwitchStartsTheLogWithExactLines)
{
    storeDebug(true);
    ProbeHelper helper(log);
    helper.now += 1234;
    helper.Output("started");
    EXPECT_EQ(readFile(log), "      1234ms :started\r\n");
    helper.now += 1;
    helper.Output(QString::fromUtf8("zweite Zeile ü"));
    EXPECT_EQ(readFile(log), "      1234ms :started\r\n      1235ms :zweite Zeile \xc3\xbc\r\n");
    EXPECT_EQ(captured, QStringList({"started", QString::fromUtf8("zweite Zeile ü")}));
}

TEST_F(DebugLog, thePrefixIsTheElapsedTimeRightAligned)
{
    EXPECT_EQ(TDebugHelper::LinePrefix(5), "         5ms ");
    EXPECT_EQ(TDebugHelper::LinePrefix(0), "         0ms ");
    EXPECT_EQ(TDebugHelper::LinePrefix(4294967295u), "4294967295ms ");
    ProbeHelper helper(log, 0xFFFFFFF0u);
    helper.SetActiveOnCreation(TDebugHelper::aocYes);
    helper.now = 0x10; // the 32-bit tick wrapped meanwhile
    helper.Output("x");
    EXPECT_EQ(readFile(log), "        32ms :x\r\n");
}

TEST_F(DebugLog, aocYesTracesUntilSwitchedOffAndRestartsEmpty)
{
    ProbeHelper helper(log);
    helper.SetActiveOnCreation(TDebugHelper::aocYes);
    helper.Output("one");
    helper.SetActive(false);
    helper.Output("dropped");
    EXPECT_EQ(readFile(log), "         0ms :one\r\n");
    helper.Stop();
    helper.Output("two");
    EXPECT_EQ(readFile(log), "         0ms :two\r\n");
    EXPECT_EQ(captured, QStringList({"one", "two"}));
    EXPECT_FALSE(QFile::exists(store.file())); // the store is not consulted
}

TEST_F(DebugLog, aocNoNeedsAStartedLogBeforeSwitchingOn)
{
    ProbeHelper helper(log);
    helper.SetActiveOnCreation(TDebugHelper::aocNo);
    helper.SetActive(true);
    helper.Output("lost");
    EXPECT_FALSE(QFile::exists(log));
    helper.Start();
    helper.SetActive(true);
    helper.Output("kept");
    EXPECT_EQ(readFile(log), "         0ms :kept\r\n");
}

TEST_F(DebugLog, setActiveWritesTheStoredSwitch)
{
    ProbeHelper helper(log);
    helper.SetActive(true);
    EXPECT_TRUE(store.contents().contains("\"debug\"=dword:00000001"));
    EXPECT_TRUE(helper.GetActive());
    helper.SetActive(false);
    EXPECT_FALSE(helper.GetActive());
    EXPECT_FALSE(helper.Storage()->IsOpen());
}

TEST_F(DebugLog, aBlankKeyIsReported)
{
    ProbeHelper helper(log);
    helper.SetStorageKey("");
    EXPECT_THROW(helper.GetActive(), corvanel::Exception);
    EXPECT_THROW(helper.SetActive(true), corvanel::Exception);
}

TEST_F(DebugLog, inTheDesignerTheStoreIsLeftAlone)
{
    storeDebug(true);
    const QByteArray before = store.contents();
    ProbeHelper helper(log);
    helper.setDesigning(true);
    EXPECT_FALSE(helper.GetActive());
    helper.SetActive(true);
    EXPECT_EQ(store.contents(), before);
}

// Active is for code, not for forms: a generic walk over the properties (an
// inspector, a form writer) reads nothing from the store.
TEST_F(DebugLog, readingEveryPropertyLeavesTheStoreAlone)
{
    const QByteArray before = store.contents();
    ProbeHelper helper(log);
    const QMetaObject *meta = helper.metaObject();
    EXPECT_EQ(meta->indexOfProperty("Active"), -1);
    for (int i = 0; i < meta->propertyCount(); ++i)
        (void)meta->property(i).read(&helper);
    EXPECT_EQ(store.contents(), before);
}

TEST_F(DebugLog, aLogThatCannotBeCreatedLosesOnlyItsLines)
{
    ASSERT_TRUE(QDir().mkpath(log)); // a folder stands where the log would go
    ProbeHelper helper(log);
    helper.SetActiveOnCreation(TDebugHelper::aocYes);
    helper.Output("one");
    helper.Output("two");
    EXPECT_TRUE(helper.IsLogStarted());
    EXPECT_EQ(captured, QStringList({"one", "two"}));
}

TEST(DebugLogName, isTheProgramsOwnFileInTheUsersStateFolder)
{
    const QByteArray old = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", "/home/u/.state");
    EXPECT_EQ(TDebugHelper::LogFileNameFor("/usr/bin/ombrel"), "/home/u/.state/ombrel/ombrel.log");
    EXPECT_EQ(TDebugHelper::LogFileNameFor("/opt/my.app/bin/game"), "/home/u/.state/game/game.log");
    EXPECT_EQ(TDebugHelper::LogFileNameFor("C:/Games/x.exe"), "/home/u/.state/x/x.log");
    EXPECT_EQ(TDebugHelper::LogFileNameFor("/a/b.tar.gz"), "/home/u/.state/b.tar/b.tar.log");
    EXPECT_EQ(TDebugHelper::LogFileNameFor("/a/.hidden"), "/home/u/.state/.hidden/.hidden.log");
    EXPECT_EQ(TDebugHelper::LogFileNameFor(""), "");
    qputenv("XDG_STATE_HOME", "relative/is/ignored");
    EXPECT_EQ(TDebugHelper::LogFileNameFor("/usr/games/ombrel"),
              QDir::homePath() + "/.local/state/ombrel/ombrel.log");
    qputenv("XDG_STATE_HOME", old);
}

// The real thing: a program in a folder it cannot write (as /usr/bin) writes
// its log in the user's state folder, or, when it cannot, still gets its
// messages out.
class DebugProgram : public ::testing::Test
{
protected:
    TempRegistry store;
    QString folder = QDir(store.path()).filePath("bin.d");
    QString program = QDir(folder).filePath("probe");
    QString state = QDir(store.path()).filePath("state");
    QString log = state + "/probe/probe.log";

    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_TRUE(QFile::copy(DEBUG_LOG_PROBE, program));
        corvanel::TJStorage s;
        s.SetKey("Software");
        s.Open();
        s.WriteBool("debug", true);
    }
    int run(const QStringList &args, QString *err = nullptr)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_STATE_HOME", state);
        p.setProcessEnvironment(env);
        p.start(program, args);
        if (!p.waitForFinished(30000))
            return -1;
        if (err)
            *err = QString::fromUtf8(p.readAllStandardError());
        return p.exitCode();
    }
};

TEST_F(DebugProgram, writesItsPrivateLogInTheStateFolderNotBesideTheExecutable)
{
    QString err;
    ASSERT_EQ(run({"first", "second"}, &err), 0);
    const QByteArray text = readFile(log);
    const QRegularExpression line(R"(^ *\d+ms :(first|second)\r$)");
    const QList<QByteArray> lines = text.split('\n');
    ASSERT_EQ(lines.size(), 3) << text.toStdString();
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(lines[i].indexOf("ms :"), 10);
        EXPECT_TRUE(line.match(QString::fromUtf8(lines[i])).hasMatch()) << lines[i].toStdString();
    }
    EXPECT_TRUE(err.contains("corvanel.debug: first"));
    EXPECT_FALSE(QFile::exists(program + ".log"));
    EXPECT_EQ(QFileInfo(log).permissions() &
                  ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser),
              QFile::Permissions());
    EXPECT_EQ(QFileInfo(QFileInfo(log).path()).permissions() &
                  (QFile::ReadOther | QFile::ReadGroup),
              QFile::Permissions());
}

TEST_F(DebugProgram, aLinkPlantedAsTheLogIsNotFollowed)
{
    const QString victim = QDir(store.path()).filePath("victim");
    {
        QFile f(victim);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("precious");
    }
    ASSERT_TRUE(QDir().mkpath(QFileInfo(log).path()));
    ASSERT_TRUE(QFile::link(victim, log));
    QString err;
    EXPECT_EQ(run({"hello"}, &err), 0);
    EXPECT_EQ(readFile(victim), "precious");
    EXPECT_TRUE(err.contains("corvanel.debug: hello"));
}

TEST_F(DebugProgram, aReadOnlyFolderLosesTheLogButNotTheMessages)
{
    ASSERT_TRUE(QDir().mkpath(state));
    if (geteuid() == 0)
        ASSERT_TRUE(QDir().mkpath(log)); // permissions do not bind root
    else
        QFile::setPermissions(state, QFile::ReadOwner | QFile::ExeOwner);
    QString err;
    EXPECT_EQ(run({"hello"}, &err), 0);
    EXPECT_FALSE(QFileInfo(log).isFile());
    EXPECT_TRUE(err.contains("corvanel.debug: hello"));
    QFile::setPermissions(state, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace
