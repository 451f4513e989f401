// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/SafeFile.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvanel {

namespace {

QString systemError(const QString &fileName, int error)
{
    return QStringLiteral("%1: %2").arg(fileName, QString::fromLocal8Bit(std::strerror(error)));
}

void fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
}

// Closes a descriptor once, reporting whether the close succeeded.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return m_fd; }
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        data += n;
        left -= n;
    }
    return true;
}

bool readAll(int fd, qint64 size, QByteArray &bytes)
{
    bytes.resize(size);
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, bytes.data() + done, size_t(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break; // shrank meanwhile: what was there is all there is
        done += n;
    }
    bytes.resize(done);
    return true;
}

SafeFile::Stamp stampOfStat(const struct stat &st)
{
    return {quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size),
            qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

QString temporaryName(const QString &target)
{
    return target + QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16,
                                                  QLatin1Char('0'));
}

} // namespace

bool SafeFile::read(const QString &fileName, qint64 maxSize, QByteArray &bytes, Stamp &stamp,
                    QString *error)
{
    bytes.clear();
    stamp = Stamp{};
    // Non-blocking, so that a FIFO in the file's place cannot hold us up.
    const int fd = ::open(QFile::encodeName(fileName).constData(),
                          O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) // no such file, nor a folder for it
            return true;
        fail(error, systemError(fileName, errno));
        return false;
    }
    Descriptor file(fd);
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        fail(error, systemError(fileName, errno));
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        fail(error, QStringLiteral("%1 is not a regular file.").arg(fileName));
        return false;
    }
    if (st.st_size > maxSize) {
        fail(error, QStringLiteral("%1 is larger than %2 MiB.").arg(fileName).arg(maxSize >> 20));
        return false;
    }
    if (!readAll(fd, st.st_size, bytes)) {
        fail(error, systemError(fileName, errno));
        return false;
    }
    stamp = stampOfStat(st);
    return true;
}

SafeFile::Stamp SafeFile::stampOf(const QString &fileName)
{
    struct stat st;
    if (::stat(QFile::encodeName(fileName).constData(), &st) != 0)
        return {};
    return stampOfStat(st);
}

bool SafeFile::replace(const QString &fileName, const QByteArray &bytes, unsigned newMode,
                       QString *error)
{
    const QString target = resolved(fileName);
    const QByteArray targetPath = QFile::encodeName(target);
    struct stat st;
    mode_t mode = mode_t(newMode);
    bool existed = false;
    if (::stat(targetPath.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) {
            fail(error, QStringLiteral("%1 is not a regular file.").arg(fileName));
            return false;
        }
        mode = st.st_mode & 07777;
        existed = true;
    } else if (errno != ENOENT) {
        fail(error, systemError(fileName, errno));
        return false;
    }
    const QString temporary = temporaryName(target);
    const QByteArray temporaryPath = QFile::encodeName(temporary);
    Descriptor file(
        ::open(temporaryPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
    if (file.get() < 0) {
        fail(error, systemError(fileName, errno));
        return false;
    }
    int failure = 0;
    const auto step = [&failure](bool done) {
        if (!done && failure == 0)
            failure = errno != 0 ? errno : EIO;
        return done;
    };
    // The umask applies to a new file only; an existing one keeps its mode.
    bool ok = (!existed || step(::fchmod(file.get(), mode) == 0)) &&
              step(writeAll(file.get(), bytes)) && step(::fsync(file.get()) == 0);
    ok = step(file.close()) && ok;
    ok = ok && step(::rename(temporaryPath.constData(), targetPath.constData()) == 0);
    if (!ok) {
        fail(error, systemError(fileName, failure));
        ::unlink(temporaryPath.constData());
        return false;
    }
    // Makes the rename itself durable; the new content is in place already.
    const int dir = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(),
                           O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

QString SafeFile::resolved(const QString &fileName)
{
    const QFileInfo info(fileName);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    if (info.isSymLink()) // a dangling link: write where it points
        return QFileInfo(info.absolutePath(), info.symLinkTarget()).absoluteFilePath();
    const QString dir = QFileInfo(info.absolutePath()).canonicalFilePath();
    return dir.isEmpty() ? info.absoluteFilePath() : QDir(dir).filePath(info.fileName());
}

} // namespace corvanel
