// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/Version.h>

#include "AccelLabel.h"

#include <corvanel/VersionInfo.h>

#include <QCoreApplication>
#include <QLayout>
#include <QStyle>

namespace corvanel {

namespace {

bool holds(const QLayout &layout, const QWidget *widget)
{
    for (int i = 0; i < layout.count(); ++i) {
        QLayoutItem *item = layout.itemAt(i);
        if (item->widget() == widget || (item->layout() && holds(*item->layout(), widget)))
            return true;
    }
    return false;
}

bool managedByLayout(const QWidget &widget)
{
    const QWidget *parent = widget.parentWidget();
    return parent && parent->layout() && holds(*parent->layout(), &widget);
}

} // namespace

struct TVersionLabel::Private
{
    bool showAccelChar = true;
    QString fileName;
    QString version;
};

TVersionLabel::TVersionLabel(QWidget *parent) : QLabel(parent), d(new Private) {}

TVersionLabel::~TVersionLabel() = default;

QString TVersionLabel::FileName() const
{
    return d->fileName;
}

bool TVersionLabel::ShowAccelChar() const noexcept
{
    return d->showAccelChar;
}

QString TVersionLabel::GetVersion()
{
    if (d->version.isEmpty())
        d->version = readVersion();
    return d->version;
}

void TVersionLabel::SetFileName(const QString &fileName)
{
    if (d->fileName == fileName)
        return;
    d->fileName = fileName;
    d->version.clear();
    emit FileNameChanged(fileName);
}

void TVersionLabel::Loaded()
{
    Component::Loaded();
    setText(QCoreApplication::translate("Corvanel", "Version ") + GetVersion());
    fitToCaption();
}

// A form places the label with room for its design caption ("Version"); the
// run-time caption is longer. Like a toolkit label with AutoSize, the label
// takes the size of its caption, keeping its right edge when it is aligned
// right and its width when it wraps. A layout sizes the labels it manages.
void TVersionLabel::fitToCaption()
{
    if (managedByLayout(*this))
        return;
    QRect bounds = geometry();
    if (wordWrap()) {
        bounds.setHeight(heightForWidth(bounds.width()));
    } else {
        const QSize fitting = sizeHint();
        if (QStyle::visualAlignment(layoutDirection(), alignment()) & Qt::AlignRight)
            bounds.setLeft(bounds.right() + 1 - fitting.width());
        else
            bounds.setWidth(fitting.width());
        bounds.setHeight(fitting.height());
    }
    setGeometry(bounds);
}

// The classic lookup: size, block, first translation, then the FileVersion of
// that translation's string table. Any step that fails gives an empty text.
QString TVersionLabel::readVersion() const
{
    const QString path =
        d->fileName.isEmpty() ? QCoreApplication::applicationFilePath() : d->fileName;
    const qsizetype size = VersionInfo::fileVersionInfoSize(path);
    if (size <= 0)
        return {};
    const QByteArray block = VersionInfo::fileVersionInfo(path, size);
    const std::vector<VersionInfo::Translation> translations = VersionInfo::queryTranslation(block);
    if (translations.empty())
        return {};
    const VersionInfo::Translation &first = translations.front();
    const QString subBlock = QString::asprintf("\\StringFileInfo\\%04x%04x\\FileVersion",
                                               unsigned(first.language), unsigned(first.codePage));
    return VersionInfo::queryString(block, subBlock).value_or(QString());
}

void TVersionLabel::SetShowAccelChar(bool show)
{
    if (AccelLabel::Set(*this, d->showAccelChar, show))
        emit ShowAccelCharChanged(show);
}

void TVersionLabel::paintEvent(QPaintEvent *event)
{
    if (!AccelLabel::Paint(*this, d->showAccelChar))
        QLabel::paintEvent(event);
}

} // namespace corvanel
