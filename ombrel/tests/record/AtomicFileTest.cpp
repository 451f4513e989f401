// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "files/AtomicFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ombrel::test {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "ombrel-atomic-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        path = (folder / "game.ombrel").string();
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string Content() const
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // Only the target itself: no temporary file may stay behind.
    std::size_t Files() const
    {
        return std::size_t(std::distance(fs::directory_iterator(folder), {}));
    }

    fs::path folder;
    std::string path;
};

TEST_F(AtomicFileTest, writesANewFileAndReplacesAnOldOne)
{
    EXPECT_EQ(AtomicFile::Write(path, "first"), "");
    EXPECT_EQ(Content(), "first");
    EXPECT_EQ(AtomicFile::Write(path, "second, longer"), "");
    EXPECT_EQ(Content(), "second, longer");
    EXPECT_EQ(Files(), 1u);
}

TEST_F(AtomicFileTest, aReplacedFileKeepsItsPermissions)
{
    std::ofstream(path) << "old";
    ::chmod(path.c_str(), 0640);
    ASSERT_EQ(AtomicFile::Write(path, "new"), "");
    struct stat info
    {
    };
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

// The disk fills up after 100 bytes: the write fails, says so, and the old
// file stays whole. The limit is set in a child process of its own.
TEST_F(AtomicFileTest, aFullDiskKeepsTheOldFileAndSaysSo)
{
    std::ofstream(path) << "the old game";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::string why = AtomicFile::Write(path, std::string(1000, 'x'));
        ::_exit(why == std::strerror(EFBIG) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(Content(), "the old game");
    EXPECT_EQ(Files(), 1u);
}

TEST_F(AtomicFileTest, aLinkStaysALinkToTheNewContent)
{
    const std::string real = (folder / "real.ombrel").string();
    std::ofstream(real) << "old";
    fs::create_symlink(real, path);
    ASSERT_EQ(AtomicFile::Write(path, "new"), "");
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_EQ(Content(), "new");
    EXPECT_EQ(Files(), 2u);
}

TEST_F(AtomicFileTest, aMissingFolderIsReported)
{
    EXPECT_NE(AtomicFile::Write((folder / "no" / "game.ombrel").string(), "x"), "");
}

TEST_F(AtomicFileTest, aFolderInTheWayIsLeftAloneWithoutATemporaryFile)
{
    fs::create_directory(path);
    EXPECT_NE(AtomicFile::Write(path, "x"), "");
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(Files(), 1u);
}

} // namespace
} // namespace ombrel::test
