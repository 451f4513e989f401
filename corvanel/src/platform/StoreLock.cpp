// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/StoreLock.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace corvanel {

StoreLock::StoreLock(const QString &resolvedStore, bool isPrivate)
{
    const QString lockName = resolvedStore + QStringLiteral(".lock");
    const QByteArray path = QFile::encodeName(lockName);
    // O_NOFOLLOW: a link planted in the lock file's place is not followed.
    int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW,
                    isPrivate ? 0600 : 0644);
    if (fd < 0 && errno == EACCES)
        fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        m_error =
            QStringLiteral("%1: %2").arg(lockName, QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    const QDeadlineTimer deadline(kTimeoutMs);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired()) {
            m_error = QStringLiteral("%1 is locked by another program.").arg(resolvedStore);
            ::close(fd);
            return;
        }
        QThread::msleep(5);
    }
    m_fd = fd;
}

StoreLock::~StoreLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // releases the lock
}

} // namespace corvanel
