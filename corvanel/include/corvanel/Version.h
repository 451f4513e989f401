// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/Component.h>
#include <corvanel/corvanel_export.h>

#include <QLabel>
#include <QString>

namespace corvanel {

// A label that shows "Version " and the file version of the running
// executable (or of fileName, when set). Whatever caption the form gives it
// is replaced once the form is loaded.
class CORVANEL_EXPORT TVersionLabel : public QLabel, public Component
{
    Q_OBJECT
    // '&' marks the accelerator ("&&" is one '&'), as on every label.
    Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE SetShowAccelChar)
    Q_CLASSINFO("corvanel.default.ShowAccelChar", "true")
    // Not for forms: the executable to read; empty for the running one.
    Q_PROPERTY(QString fileName READ fileName WRITE setFileName DESIGNABLE false)

public:
    Q_INVOKABLE explicit TVersionLabel(QWidget *parent = nullptr);

    // The cached file version, read on the first call that succeeds; empty
    // while nothing could be read, and then the next call tries again.
    QString GetVersion();

    QString fileName() const { return m_fileName; }
    // A different file has a different version, so this empties the cache.
    void setFileName(const QString &fileName);

    bool ShowAccelChar() const noexcept { return m_showAccelChar; }
    void SetShowAccelChar(bool show);

protected:
    void paintEvent(QPaintEvent *event) override;
    void Loaded() override;

private:
    bool m_showAccelChar = true;
    QString readVersion() const;

    QString m_fileName;
    QString m_version;
};

namespace Version {
CORVANEL_EXPORT void Register();
} // namespace Version

} // namespace corvanel
