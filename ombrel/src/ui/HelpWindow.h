// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// The manual's window: a browser with Back, Forward and Contents buttons. The
// manual's page carries no colours of its own for text and background; the
// window writes a style sheet from its palette before every page it loads,
// so headings, captions and tables read in light and dark themes alike.

#include <QWidget>

class QLocale;
class QTextBrowser;
class QToolBar;
class QUrl;

namespace ombrel {

class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Opens the manual at `file` (a local HTML file), in the program's
    // language when it is translated (see ManualFor), and keeps it as home.
    void Open(const QString &file);
    // The manual in `locale`'s language beside the English `file`
    // ("ombrel_de.html" beside "ombrel.html"), or `file` itself when there is
    // none.
    static QString ManualFor(const QString &file, const QLocale &locale);
    QTextBrowser *Browser() const noexcept { return m_browser; }

    // The style sheet for the manual in `palette`'s colours.
    static QString StyleFor(const QPalette &palette);

protected:
    void changeEvent(QEvent *event) override;

private:
    void ApplyPalette();
    void Retranslate();

    QToolBar *m_bar = nullptr;
    QTextBrowser *m_browser = nullptr;
    QAction *m_back = nullptr;
    QAction *m_forward = nullptr;
    QAction *m_home = nullptr;
    QAction *m_close = nullptr;
};

} // namespace ombrel
