// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "files/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace ombrel {

namespace {

constexpr int TemporaryNameTries = 100;

std::string Reason(int error)
{
    return std::strerror(error);
}

std::string FolderOf(const std::string &path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Creates "<path>.<random>.tmp" beside the target; -1 with errno on failure.
int CreateTemporary(const std::string &path, std::string &name)
{
    std::random_device device;
    std::uniform_int_distribution<unsigned> digits(0, 0xffffff);
    for (int attempt = 0; attempt < TemporaryNameTries; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".%06x.tmp", digits(device));
        name = path + suffix;
        // 0666: the umask decides, as for any new file.
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// Writes all of `data`, across short writes and interruptions.
bool WriteAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t wrote = ::write(fd, data.data(), data.size());
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0) {
            if (wrote == 0)
                errno = EIO;
            return false;
        }
        data.remove_prefix(std::size_t(wrote));
    }
    return true;
}

// The rename itself is made durable by syncing the folder; a folder that
// cannot be synced leaves the file whole all the same.
void SyncFolder(const std::string &path)
{
    const int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// A link is followed, so that the file it names is replaced and the link stays.
std::string Target(const std::string &path)
{
    struct stat info
    {
    };
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    char *resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return path;
    std::string target = resolved;
    std::free(resolved);
    return target;
}

} // namespace

std::string AtomicFile::Write(const std::string &linkOrPath, std::string_view data)
{
    const std::string path = Target(linkOrPath);
    std::string temporary;
    const int fd = CreateTemporary(path, temporary);
    if (fd < 0)
        return Reason(errno);
    struct stat old
    {
    };
    bool ok = true;
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    ok = ok && WriteAll(fd, data) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temporary.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return Reason(error);
    }
    SyncFolder(path);
    return {};
}

} // namespace ombrel
