// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/Component.h>
#include <corvanel/corvanel_export.h>

#include <QLabel>
#include <QString>
#include <memory>

namespace corvanel {

// A label that shows "Version " and the file version of the running
// executable (or of FileName, when set). Whatever caption the form gives it
// is replaced once the form is loaded, and a label that no layout manages
// then takes the size of its new caption (keeping its right edge when aligned
// right, its width when it wraps).
class CORVANEL_EXPORT TVersionLabel : public QLabel, public Component
{
    Q_OBJECT
    // '&' marks the accelerator ("&&" is one '&'), as on every label.
    Q_PROPERTY(
        bool ShowAccelChar READ ShowAccelChar WRITE SetShowAccelChar NOTIFY ShowAccelCharChanged)
    Q_CLASSINFO("corvanel.default.ShowAccelChar", "true")
    // Not for forms: the executable to read; empty for the running one.
    Q_PROPERTY(
        QString FileName READ FileName WRITE SetFileName NOTIFY FileNameChanged DESIGNABLE false)

public:
    Q_INVOKABLE explicit TVersionLabel(QWidget *parent = nullptr);
    ~TVersionLabel() override;

    // The cached file version, read on the first call that succeeds; empty
    // while nothing could be read, and then the next call tries again.
    QString GetVersion();

    QString FileName() const;
    // A different file has a different version, so this empties the cache.
    void SetFileName(const QString &fileName);

    bool ShowAccelChar() const noexcept;
    void SetShowAccelChar(bool show);

signals:
    void FileNameChanged(const QString &fileName);
    void ShowAccelCharChanged(bool show);

protected:
    void paintEvent(QPaintEvent *event) override;
    void Loaded() override;

private:
    struct Private;

    QString readVersion() const;
    void fitToCaption();

    std::unique_ptr<Private> d;
};

namespace Version {
CORVANEL_EXPORT void Register();
} // namespace Version

} // namespace corvanel
