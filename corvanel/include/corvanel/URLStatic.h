// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/Component.h>
#include <corvanel/corvanel_export.h>

#include <QLabel>
#include <QString>
#include <functional>
#include <memory>

class QUrl;

namespace corvanel {

/// A label that looks like a web link (blue, underlined, "Arial", hand cursor,
/// no background of its own) and opens URL as soon as the left button goes
/// down on it. Other buttons reach the label as on any other label.
/// Tab reaches it too (a click does not take the focus); with the focus it
/// shows a frame in the palette's highlight colour and Return, Enter or Space
/// opens URL.
class CORVANEL_EXPORT TURLStatic : public QLabel, public Component
{
    Q_OBJECT
    /// '&' marks the accelerator ("&&" is one '&'), as on every label.
    ///
    /// True by default.
    Q_PROPERTY(
        bool ShowAccelChar READ ShowAccelChar WRITE SetShowAccelChar NOTIFY ShowAccelCharChanged)
    Q_CLASSINFO("corvanel.default.ShowAccelChar", "true")
    /// The address a left press opens; empty by default (a press then opens
    /// nothing).
    Q_PROPERTY(QString URL READ GetURL WRITE SetURL NOTIFY URLChanged)
    Q_CLASSINFO("corvanel.default.URL", "")

public:
    /// Opens an address for the user; the result is only informative, a
    /// failure is never reported.
    using Opener = std::function<bool(const QUrl &url)>;

    /// A link label without caption or address.
    Q_INVOKABLE explicit TURLStatic(QWidget *parent = nullptr);
    /// Destroys the label.
    ~TURLStatic() override;

    /// Reads #URL.
    QString GetURL() const;
    /// Changes what the next press opens; the caption stays as it is.
    void SetURL(const QString &url);

    /// Replaces how every link label opens its address (QDesktopServices by
    /// default; an empty opener restores that) and returns the previous one.
    /// Tests use it so that no browser is started.
    static Opener SetOpener(Opener opener);

    ///@{
    /// Reads and sets #ShowAccelChar.
    bool ShowAccelChar() const noexcept;
    void SetShowAccelChar(bool show);
    ///@}

signals:
    /// Emitted when #URL changes, with the new address.
    void URLChanged(const QString &url);
    /// Emitted when #ShowAccelChar changes, with the new value.
    void ShowAccelCharChanged(bool show);

protected:
    /// @cond internal
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // The second press of a double click arrives here and opens nothing more.
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    /// @endcond
    /// Opens #URL through the opener (see SetOpener()); called by a left press.
    /// A subclass may open something else.
    virtual void WMLButtonDown(QMouseEvent *event);

private:
    void Open();
    void PaintFocusMark();

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace corvanel
