// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/Component.h>
#include <corvanel/Exception.h>
#include <corvanel/Jstore.h>

#include "ExceptionMessage.h"
#include "TempRegistry.h"

#include <QObject>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using corvanel::Exception;
using corvanel::TJStorage;

namespace {

class Holder : public corvanel::Component
{
};

class Storage : public ::testing::Test
{
protected:
    TempRegistry store;
    TJStorage storage;

    void openAt(const QString &key)
    {
        storage.SetKey(key);
        storage.Open();
    }
    QString openPath() const
    {
        return storage.Connection() && storage.Connection()->RegistryObject()
                   ? storage.Connection()->RegistryObject()->CurrentPath()
                   : QString();
    }
};

TEST_F(Storage, startsClosedAtTheCurrentUserWithABlankKey)
{
    EXPECT_EQ(storage.Key(), "");
    EXPECT_EQ(storage.RegistryRootKey(), TJStorage::atrkCurrentUser);
    EXPECT_FALSE(storage.IsOpen());
    EXPECT_EQ(messageOf([&] { storage.Open(); }),
              "Cannot open registry because TJStorage.Key is blank");
    EXPECT_FALSE(storage.IsOpen());
    // The failed open leaves nothing behind that would let a write pass.
    EXPECT_EQ(messageOf([&] { storage.WriteInteger("x", 1); }), "JStorage not Open");
}

TEST_F(Storage, everyTypedOperationNeedsAnOpenStorage)
{
    storage.SetKey("Software\\Test");
    const std::vector<std::function<void()>> operations = {
        [&] { storage.WriteString("a", "b"); }, [&] { storage.WriteInteger("a", 1); },
        [&] { storage.WriteBool("a", true); },  [&] { storage.ReadString("a", ""); },
        [&] { storage.ReadInteger("a", 0); },   [&] { storage.ReadBool("a", false); }};
    for (const auto &operation : operations)
        EXPECT_EQ(messageOf(operation), "JStorage not Open");
}

TEST_F(Storage, integersAndBooleansAreStoredAsDWords)
{
    openAt("Software\\Test");
    EXPECT_EQ(storage.ReadInteger("Count", 0), 0);
    storage.WriteInteger("Count", 3);
    EXPECT_EQ(storage.ReadInteger("Count", 0), 3);
    storage.WriteBool("on", true);
    storage.WriteBool("off", false);
    storage.Close();
    const QByteArray file = store.contents();
    EXPECT_TRUE(file.contains("\"Count\"=dword:00000003"));
    EXPECT_TRUE(file.contains("\"on\"=dword:00000001"));
    EXPECT_TRUE(file.contains("\"off\"=dword:00000000"));
}

TEST_F(Storage, readsGiveTheDefaultForMissingOrMistypedValues)
{
    store.write("REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Test]\n\"seven\"=dword:00000007\n"
                "\"text\"=\"hello\"\n\"expand\"=hex(2):25,48,4f,4d,45,25,00\n");
    openAt("Software\\Test");
    EXPECT_TRUE(storage.ReadBool("seven", false));
    EXPECT_TRUE(storage.ReadBool("text", true));
    EXPECT_FALSE(storage.ReadBool("text", false));
    EXPECT_EQ(storage.ReadInteger("text", -5), -5);
    EXPECT_EQ(storage.ReadString("seven", "dflt"), "dflt");
    EXPECT_EQ(storage.ReadString("missing", "dflt"), "dflt");
    EXPECT_EQ(storage.ReadString("text", "dflt"), "hello");
    EXPECT_EQ(storage.ReadString("expand", ""), "%HOME%");
}

TEST_F(Storage, changingTheKeyMovesAnOpenStorage)
{
    openAt("Software\\One");
    const corvanel::TJWin32Registry *first = storage.Connection();
    storage.SetKey("Software\\One");
    EXPECT_EQ(storage.Connection(), first); // not reopened
    storage.SetKey("Software\\Two");
    EXPECT_TRUE(storage.IsOpen());
    EXPECT_EQ(openPath(), "Software\\Two");
    storage.SetKey("");
    EXPECT_FALSE(storage.IsOpen());
    EXPECT_EQ(storage.Connection(), nullptr);
}

TEST_F(Storage, changingTheRootMovesAnOpenStorage)
{
    openAt("Software\\Test");
    storage.SetRegistryRootKey(TJStorage::atrkLocalMachine);
    EXPECT_TRUE(storage.IsOpen());
    storage.WriteInteger("machine", 1);
    storage.Close();
    EXPECT_TRUE(store.contents("HKEY_LOCAL_MACHINE").contains("\"machine\"=dword:00000001"));
    EXPECT_EQ(storage.RootKeyHandle(), corvanel::RegistryRoot::LocalMachine);
}

TEST_F(Storage, inTheDesignerAKeyChangeDoesNotReopen)
{
    Holder holder;
    storage.SetOwnerComponent(&holder);
    openAt("Software\\One");
    holder.setDesigning(true);
    storage.SetKey("Software\\Two");
    storage.SetRegistryRootKey(TJStorage::atrkUsers);
    EXPECT_EQ(openPath(), "Software\\One");
}

TEST_F(Storage, assignOpensTheTargetWhereTheSourceIsOpen)
{
    Holder mine, theirs;
    storage.SetOwnerComponent(&mine);
    TJStorage source;
    source.SetOwnerComponent(&theirs);
    source.SetRegistryRootKey(TJStorage::atrkLocalMachine);
    source.SetKey("Software\\Source");
    source.Open();
    storage.Assign(&source);
    EXPECT_TRUE(storage.IsOpen());
    EXPECT_EQ(storage.Key(), "Software\\Source");
    EXPECT_EQ(storage.RegistryRootKey(), TJStorage::atrkLocalMachine);
    EXPECT_EQ(openPath(), "Software\\Source");
    EXPECT_EQ(storage.OwnerComponent(), &mine);

    QObject other;
    EXPECT_EQ(messageOf([&] { storage.Assign(&other); }), "Cannot assign a QObject to a TJStorage");
}

TEST_F(Storage, assigningAStorageToItselfClosesIt)
{
    openAt("Software\\Self");
    storage.Assign(&storage);
    EXPECT_FALSE(storage.IsOpen());
    EXPECT_EQ(storage.Connection(), nullptr);
    EXPECT_EQ(storage.Key(), "Software\\Self");
}

TEST_F(Storage, aWriteIsThereForEveryReaderAtOnceAndAnOpenKeyReadsCurrentValues)
{
    openAt("Software\\Shared");
    TJStorage other;
    other.SetKey("Software\\Shared");
    other.Open();
    storage.WriteString("mine", "written");
    EXPECT_EQ(other.ReadString("mine", "default"), "written");
    other.WriteInteger("theirs", 7);
    EXPECT_EQ(storage.ReadInteger("theirs", 0), 7);
    EXPECT_TRUE(store.contents().contains("\"mine\"=\"written\""));
}

TEST_F(Storage, aWriteSurvivesTheEndOfItsProcessBeforeClose)
{
    const pid_t pid = fork();
    if (pid == 0) {
        TJStorage s;
        s.SetKey("Software\\Crash");
        s.Open();
        s.WriteString("last words", "kept");
        _exit(0); // no Close, no destructor, as after a crash
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    openAt("Software\\Crash");
    EXPECT_EQ(storage.ReadString("last words", "lost"), "kept");
}

TEST_F(Storage, aStoreThatCannotBeOpenedGivesDefaultsAndSwallowsWrites)
{
    for (auto root : {TJStorage::atrkDynamicData, TJStorage::atrkCurrentUser}) {
        if (root == TJStorage::atrkCurrentUser)
            store.makeUnwritable();
        TJStorage s;
        s.SetRegistryRootKey(root);
        s.SetKey("Software\\Test");
        s.Open();
        EXPECT_TRUE(s.IsOpen());
        s.WriteInteger("Count", 3);
        s.WriteString("0", "x");
        EXPECT_EQ(s.ReadInteger("Count", 9), 9);
        EXPECT_EQ(s.ReadString("0", "d"), "d");
        s.Close();
    }
}

TEST_F(Storage, destructionWritesWhatIsPending)
{
    {
        TJStorage s;
        s.SetKey("Software\\Test");
        s.Open();
        s.WriteString("0", "kept");
    }
    EXPECT_TRUE(store.contents().contains("\"0\"=\"kept\""));
}

} // namespace
