// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/Component.h>
#include <corvanel/corvanel_export.h>

#include <QLabel>
#include <QString>
#include <memory>

namespace corvanel {

/// A label that shows "Version " and the file version of the running
/// executable (or of FileName, when set). Whatever caption the form gives it
/// is replaced once the form is loaded, and a label that no layout manages
/// then takes the size of its new caption (keeping its right edge when aligned
/// right, its width when it wraps).
class CORVANEL_EXPORT TVersionLabel : public QLabel, public Component
{
    Q_OBJECT
    /// '&' marks the accelerator ("&&" is one '&'), as on every label.
    ///
    /// True by default.
    Q_PROPERTY(
        bool ShowAccelChar READ ShowAccelChar WRITE SetShowAccelChar NOTIFY ShowAccelCharChanged)
    Q_CLASSINFO("corvanel.default.ShowAccelChar", "true")
    /// Not for forms: the executable to read; empty for the running one.
    ///
    /// Empty by default.
    Q_PROPERTY(
        QString FileName READ FileName WRITE SetFileName NOTIFY FileNameChanged DESIGNABLE false)

public:
    /// A label for the running executable's version; its caption is set when
    /// the form is loaded.
    Q_INVOKABLE explicit TVersionLabel(QWidget *parent = nullptr);
    /// Destroys the label.
    ~TVersionLabel() override;

    /// The cached file version, read on the first call that succeeds; empty
    /// while nothing could be read, and then the next call tries again.
    QString GetVersion();

    /// Reads #FileName.
    QString FileName() const;
    /// A different file has a different version, so this empties the cache.
    ///
    /// It does not change the caption.
    void SetFileName(const QString &fileName);

    ///@{
    /// Reads and sets #ShowAccelChar.
    bool ShowAccelChar() const noexcept;
    void SetShowAccelChar(bool show);
    ///@}

signals:
    /// Emitted when #FileName changes, with the new name.
    void FileNameChanged(const QString &fileName);
    /// Emitted when #ShowAccelChar changes, with the new value.
    void ShowAccelCharChanged(bool show);

protected:
    /// @cond internal
    void paintEvent(QPaintEvent *event) override;
    /// @endcond
    void Loaded() override;

private:
    struct Private;

    QString readVersion() const;
    void fitToCaption();

    std::unique_ptr<Private> d;
};

} // namespace corvanel
