// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/Debug.h>

#include <corvanel/Palette.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QScopeGuard>
#include <chrono>

namespace corvanel {

// The debugger output of TDebugHelper: every message that is logged.
Q_LOGGING_CATEGORY(lcDebugLog, "corvanel.debug")

namespace {

const QString kDebugValue = QStringLiteral("debug");

} // namespace

TDebugHelper::TDebugHelper(QObject *parent)
    : QObject(parent), m_startTicks(TickCount()), m_storage(std::make_unique<TJStorage>())
{
    m_storage->SetOwnerComponent(this);
    m_storage->SetKey(QStringLiteral("Software"));
}

TDebugHelper::~TDebugHelper()
{
    Stop();
}

void TDebugHelper::Output(const QString &message)
{
    if (!m_logFile) {
        if (m_activeOnCreation == aocYes)
            m_activeValue = true;
        else if (m_activeOnCreation == aocNo)
            m_activeValue = false;
        if (GetActive())
            Start();
    }
    if (!m_logFile || !GetActive())
        return;
    const QByteArray line =
        LinePrefix(TickCount() - m_startTicks) + ':' + message.toUtf8() + "\r\n";
    if (m_logFile->isOpen()) {
        m_logFile->write(line);
        m_logFile->flush(); // the lines before a crash are the interesting ones
    }
    qCDebug(lcDebugLog).noquote() << message;
}

void TDebugHelper::Start()
{
    if (m_logFile)
        return;
    m_logFile = std::make_unique<QFile>(LogFileName());
    // A log that cannot be created stays "started": its lines are lost.
    if (!m_logFile->fileName().isEmpty())
        m_logFile->open(QIODevice::ReadWrite | QIODevice::Truncate);
}

void TDebugHelper::Stop()
{
    m_logFile.reset();
}

bool TDebugHelper::GetActive()
{
    if (isDesigning() || m_activeOnCreation != aocFromRegistry)
        return m_activeValue;
    const bool wasOpen = m_storage->IsOpen();
    m_storage->Open();
    const auto writeBack = qScopeGuard([&] {
        try {
            m_storage->WriteBool(kDebugValue, m_activeValue);
        } catch (...) {
            // The storage is open here; nothing is expected to throw.
        }
        if (!wasOpen)
            m_storage->Close();
    });
    m_activeValue = m_storage->ReadBool(kDebugValue, false);
    return m_activeValue;
}

void TDebugHelper::SetActive(bool active)
{
    if (isDesigning())
        return;
    if (m_activeOnCreation != aocFromRegistry) {
        m_activeValue = active;
        return;
    }
    const bool wasOpen = m_storage->IsOpen();
    m_storage->Open();
    const auto close = qScopeGuard([&] {
        if (!wasOpen)
            m_storage->Close();
    });
    m_storage->WriteBool(kDebugValue, active);
}

QString TDebugHelper::LogFileNameFor(const QString &executable)
{
    if (executable.isEmpty())
        return {};
    const QString name = QFileInfo(executable).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot > 0 ? name.left(dot) : name;
    return executable.left(executable.size() - name.size()) + base + QStringLiteral(".log");
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

namespace Debug {

void Register()
{
    PaletteEntry entry;
    entry.page = QStringLiteral("Corvanel");
    entry.className = QStringLiteral("corvanel::TDebugHelper");
    entry.includeFile = QStringLiteral("corvanel/Debug.h");
    entry.toolTip = QStringLiteral("Debug log");
    entry.whatsThis = QStringLiteral(
        "Writes time-stamped messages to a log beside the executable while tracing is on.");
    entry.createObject = &createDesigning<TDebugHelper, QObject>;
    Palette::add(std::move(entry));
}

} // namespace Debug

} // namespace corvanel
