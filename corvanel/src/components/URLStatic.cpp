// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/URLStatic.h>

#include "AccelLabel.h"

#include <QDesktopServices>
#include <QDir>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

Q_LOGGING_CATEGORY(lcURLStatic, "corvanel.components.urlstatic", QtWarningMsg)

namespace corvanel {

namespace {

bool openWithDesktop(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

TURLStatic::Opener &opener()
{
    static TURLStatic::Opener current = openWithDesktop;
    return current;
}

} // namespace

struct TURLStatic::Private
{
    bool showAccelChar = true;
    QString url;
};

TURLStatic::TURLStatic(QWidget *parent) : QLabel(parent), d(new Private)
{
    setCursor(Qt::PointingHandCursor);
    // A focus stop for the keyboard only: a click opens and leaves the focus
    // where it was.
    setFocusPolicy(Qt::TabFocus);

    // Only the colours a link shows in; a disabled link greys out as labels do.
    QPalette linkPalette = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        linkPalette.setColor(group, QPalette::WindowText, QColor(0, 0, 255));
    }
    setPalette(linkPalette);

    // A fresh QFont resolves only what is set here, so the size keeps
    // following the parent's font. Without Arial Qt picks a similar face.
    QFont linkFont;
    linkFont.setFamily(QStringLiteral("Arial"));
    linkFont.setStyleHint(QFont::SansSerif);
    linkFont.setWeight(QFont::Normal);
    linkFont.setItalic(false);
    linkFont.setUnderline(true);
    linkFont.setStrikeOut(false);
    setFont(linkFont);

    setAutoFillBackground(false);
}

TURLStatic::~TURLStatic() = default;

QString TURLStatic::GetURL() const
{
    return d->url;
}

void TURLStatic::SetURL(const QString &url)
{
    if (d->url == url)
        return;
    d->url = url;
    emit URLChanged(url);
}

bool TURLStatic::ShowAccelChar() const noexcept
{
    return d->showAccelChar;
}

TURLStatic::Opener TURLStatic::SetOpener(Opener replacement)
{
    Opener previous = std::move(opener());
    opener() = replacement ? std::move(replacement) : Opener(openWithDesktop);
    return previous;
}

void TURLStatic::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        WMLButtonDown(event);
    else
        QLabel::mousePressEvent(event);
}

// What a plain label does with the second press of a left double click.
void TURLStatic::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        QLabel::mousePressEvent(event);
    else
        QLabel::mouseDoubleClickEvent(event);
}

// Return, Enter (also the keypad's) and Space open, as a press does; a held
// key opens once, not once per repeat. Every other key goes on to the window,
// so that Escape still closes a dialog.
void TURLStatic::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    const bool opens = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (!opens || modifiers != Qt::NoModifier) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        Open();
}

// Opens on the press itself, every press; whether it worked is not shown.
void TURLStatic::WMLButtonDown(QMouseEvent *event)
{
    event->accept();
    Open();
}

void TURLStatic::Open()
{
    // Like the shell's "open": a web address, or a file relative to here.
    const QUrl url = QUrl::fromUserInput(d->url, QDir::currentPath());
    if (!url.isValid() || url.isEmpty())
        return;
    if (!opener()(url))
        qCDebug(lcURLStatic) << "could not open" << url;
}

void TURLStatic::SetShowAccelChar(bool show)
{
    if (AccelLabel::Set(*this, d->showAccelChar, show))
        emit ShowAccelCharChanged(show);
}

void TURLStatic::paintEvent(QPaintEvent *event)
{
    if (!AccelLabel::Paint(*this, d->showAccelChar))
        QLabel::paintEvent(event);
    if (hasFocus())
        PaintFocusMark();
}

// A one-pixel frame along the label's edge in the highlight colour, drawn in
// every style (some draw their own focus frame only after a key press).
void TURLStatic::PaintFocusMark()
{
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Active, QPalette::Highlight));
    pen.setWidth(1);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace corvanel
