// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/Debug.h>

#include "StorageLink.h"
#include "StorageScope.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QScopeGuard>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvanel {

// The debugger output of TDebugHelper: every message that is logged.
Q_LOGGING_CATEGORY(lcDebugLog, "corvanel.debug")

namespace {

const QString kDebugValue = QStringLiteral("debug");

// $XDG_STATE_HOME when it is set to an absolute path, else ~/.local/state.
QString stateHome()
{
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (QDir::isAbsolutePath(state))
        return QDir::cleanPath(state);
    return QDir::homePath() + QStringLiteral("/.local/state");
}

// Creates the log's folder (0700 where it is new) and the log itself, empty,
// 0600 and never through a symbolic link. False when it cannot be created.
bool createLog(QFile &log)
{
    const QByteArray path = QFile::encodeName(log.fileName());
    const QByteArray dir = QFile::encodeName(QFileInfo(log.fileName()).absolutePath());
    for (qsizetype slash = dir.indexOf('/', 1);; slash = dir.indexOf('/', slash + 1)) {
        const QByteArray level = slash < 0 ? dir : dir.left(slash);
        if (::mkdir(level.constData(), 0700) != 0 && errno != EEXIST)
            return false;
        if (slash < 0)
            break;
    }
    const int fd =
        ::open(path.constData(), O_RDWR | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    ::fchmod(fd, 0600);
    if (log.open(fd, QIODevice::ReadWrite, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
    return false;
}

} // namespace

struct TDebugHelper::Private
{
    explicit Private(TDebugHelper *helper) : storage(helper) {}

    std::unique_ptr<QFile> logFile;
    quint32 startTicks = 0;
    StorageLink storage;
    TActiveOnCreationKind activeOnCreation = aocFromRegistry;
    bool activeValue = false;
};

TDebugHelper::TDebugHelper(QObject *parent) : QObject(parent), d(new Private(this))
{
    d->startTicks = TickCount();
    d->storage.setKey(QStringLiteral("Software"));
}

TDebugHelper::~TDebugHelper()
{
    Stop();
}

TJStorage *TDebugHelper::Storage() const
{
    return d->storage.get();
}

QString TDebugHelper::StorageKey() const
{
    return d->storage.key();
}

void TDebugHelper::SetStorageKey(const QString &key)
{
    d->storage.setKey(key);
}

TJStorage::TJStorageRootKey TDebugHelper::StorageRootKey() const
{
    return d->storage.rootKey();
}

void TDebugHelper::SetStorageRootKey(TJStorage::TJStorageRootKey root)
{
    d->storage.setRootKey(root);
}

TDebugHelper::TActiveOnCreationKind TDebugHelper::ActiveOnCreation() const
{
    return d->activeOnCreation;
}

void TDebugHelper::SetActiveOnCreation(TActiveOnCreationKind kind)
{
    if (kind == d->activeOnCreation)
        return;
    d->activeOnCreation = kind;
    emit ActiveOnCreationChanged(kind);
}

bool TDebugHelper::IsLogStarted() const
{
    return d->logFile != nullptr;
}

quint32 TDebugHelper::StartTicks() const
{
    return d->startTicks;
}

void TDebugHelper::SetStartTicks(quint32 ticks)
{
    d->startTicks = ticks;
}

void TDebugHelper::Output(const QString &message)
{
    if (!d->logFile) {
        if (d->activeOnCreation == aocYes)
            d->activeValue = true;
        else if (d->activeOnCreation == aocNo)
            d->activeValue = false;
        if (GetActive())
            Start();
    }
    if (!d->logFile || !GetActive())
        return;
    const QByteArray line =
        LinePrefix(TickCount() - d->startTicks) + ':' + message.toUtf8() + "\r\n";
    if (d->logFile->isOpen()) {
        d->logFile->write(line);
        d->logFile->flush(); // the lines before a crash are the interesting ones
    }
    qCDebug(lcDebugLog).noquote() << message;
}

void TDebugHelper::Start()
{
    if (d->logFile)
        return;
    d->logFile = std::make_unique<QFile>(LogFileName());
    // A log that cannot be created stays "started": its lines are lost.
    if (!d->logFile->fileName().isEmpty())
        createLog(*d->logFile);
}

void TDebugHelper::Stop()
{
    d->logFile.reset();
}

bool TDebugHelper::GetActive()
{
    if (isDesigning() || d->activeOnCreation != aocFromRegistry)
        return d->activeValue;
    StorageScope scope(*d->storage);
    scope.open();
    // Before the scope closes the storage.
    const auto writeBack = qScopeGuard([&] {
        try {
            d->storage->WriteBool(kDebugValue, d->activeValue);
        } catch (...) {
            // The storage is open here; nothing is expected to throw.
        }
    });
    d->activeValue = d->storage->ReadBool(kDebugValue, false);
    return d->activeValue;
}

void TDebugHelper::SetActive(bool active)
{
    if (isDesigning())
        return;
    if (d->activeOnCreation != aocFromRegistry) {
        d->activeValue = active;
        return;
    }
    StorageScope scope(*d->storage);
    scope.open();
    d->storage->WriteBool(kDebugValue, active);
}

QString TDebugHelper::LogFileNameFor(const QString &executable)
{
    if (executable.isEmpty())
        return {};
    const QString name = QFileInfo(executable).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot > 0 ? name.left(dot) : name;
    if (base.isEmpty())
        return {};
    return QStringLiteral("%1/%2/%2.log").arg(stateHome(), base);
}

QByteArray TDebugHelper::LinePrefix(quint32 elapsedMs)
{
    return QByteArray::number(elapsedMs).rightJustified(10, ' ') + "ms ";
}

quint32 TDebugHelper::TickCount() const
{
    using namespace std::chrono;
    return quint32(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

QString TDebugHelper::LogFileName() const
{
    return LogFileNameFor(QCoreApplication::applicationFilePath());
}

} // namespace corvanel
