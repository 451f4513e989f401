// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "ui/HelpWindow.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLocale>
#include <QPalette>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace ombrel {

namespace {

// A colour halfway between two others: captions and table heads are a shade
// off the text and the background, whatever the theme.
QColor Mix(const QColor &a, const QColor &b, qreal share)
{
    return QColor::fromRgbF(a.redF() * (1 - share) + b.redF() * share,
                            a.greenF() * (1 - share) + b.greenF() * share,
                            a.blueF() * (1 - share) + b.blueF() * share);
}

bool IsDark(const QColor &c)
{
    return c.lightnessF() < 0.5;
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent)
{
    setObjectName("HelpWindow");
    setWindowFlags(Qt::Window);
    resize(660, 580);
    m_bar = new QToolBar(this);
    m_bar->setObjectName("HelpToolBar");
    m_bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName("HelpBrowser");
    m_browser->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_bar);
    layout->addWidget(m_browser);

    m_back = m_bar->addAction(
        QIcon::fromTheme("go-previous", style()->standardIcon(QStyle::SP_ArrowBack)), QString(),
        m_browser, &QTextBrowser::backward);
    m_back->setObjectName("HelpBack");
    m_back->setShortcut(QKeySequence::Back);
    m_back->setEnabled(false);
    m_forward = m_bar->addAction(
        QIcon::fromTheme("go-next", style()->standardIcon(QStyle::SP_ArrowForward)), QString(),
        m_browser, &QTextBrowser::forward);
    m_forward->setObjectName("HelpForward");
    m_forward->setShortcut(QKeySequence::Forward);
    m_forward->setEnabled(false);
    m_home =
        m_bar->addAction(QIcon::fromTheme("go-home", style()->standardIcon(QStyle::SP_DirHomeIcon)),
                         QString(), m_browser, &QTextBrowser::home);
    m_home->setObjectName("HelpHome");
    // Escape and the platform's Close keys (Ctrl+W), as in Qt's own help
    // viewers; not on the tool bar.
    m_close = new QAction(this);
    m_close->setObjectName("HelpClose");
    QList<QKeySequence> closeKeys = QKeySequence::keyBindings(QKeySequence::Close);
    closeKeys.append(QKeySequence(Qt::Key_Escape));
    m_close->setShortcuts(closeKeys);
    m_close->setShortcutContext(Qt::WindowShortcut);
    connect(m_close, &QAction::triggered, this, &QWidget::close);
    addAction(m_close);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
    ApplyPalette();
    Retranslate();
}

void HelpWindow::Retranslate()
{
    setWindowTitle(tr("Ombrel Help"));
    m_back->setText(tr("Back"));
    m_back->setToolTip(tr("Back to the previous page"));
    m_forward->setText(tr("Forward"));
    m_forward->setToolTip(tr("Forward to the next page"));
    m_home->setText(tr("Contents"));
    m_home->setToolTip(tr("Back to the start of the manual"));
    m_close->setText(tr("Close"));
}

QString HelpWindow::ManualFor(const QString &file, const QLocale &locale)
{
    const QString language = QLocale::languageToCode(locale.language());
    if (language.isEmpty() || language == QLatin1String("en"))
        return file;
    const QFileInfo english(file);
    const QString translated = english.dir().filePath(english.completeBaseName() + '_' + language +
                                                      '.' + english.suffix());
    return QFileInfo::exists(translated) ? translated : file;
}

void HelpWindow::Open(const QString &file)
{
    // The default locale is the language the program's texts were installed for.
    m_browser->setSource(QUrl::fromLocalFile(ManualFor(file, QLocale())));
}

QString HelpWindow::StyleFor(const QPalette &palette)
{
    const QColor text = palette.color(QPalette::Text);
    const QColor base = palette.color(QPalette::Base);
    const bool dark = IsDark(base);
    // The game's warm browns as accents, lightened on a dark background. Links
    // keep the browser's own colour, the palette's Link.
    const QColor accent = dark ? QColor(0xf0, 0xb0, 0x70) : QColor(0x8a, 0x4a, 0x18);
    const QColor heading = dark ? QColor(0xf5, 0xc0, 0x88) : QColor(0x6b, 0x35, 0x10);
    const QColor caption = Mix(text, base, 0.3);
    const QColor head = Mix(base, accent, 0.18);
    return QStringLiteral("body { color: %1; background-color: %2; }\n"
                          "h1 { color: %3; }\n"
                          "h2, h3 { color: %4; }\n"
                          "p.caption { color: %5; }\n"
                          "th { background-color: %6; }\n")
        .arg(text.name(), base.name(), heading.name(), accent.name(), caption.name(), head.name());
}

void HelpWindow::ApplyPalette()
{
    m_browser->document()->setDefaultStyleSheet(StyleFor(m_browser->palette()));
    // The style sheet applies when a page is parsed: read the page again.
    if (!m_browser->source().isEmpty())
        m_browser->reload();
}

void HelpWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        ApplyPalette();
    else if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QWidget::changeEvent(event);
}

} // namespace ombrel
