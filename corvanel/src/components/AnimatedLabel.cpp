// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/AnimatedLabel.h>

#include "AccelLabel.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QVariant>

#include <algorithm>

namespace corvanel {

namespace {

constexpr int defaultInterval = 100;
constexpr int ticksPerPhase = 10;
constexpr int lastStep = ticksPerPhase - 1;

int phaseOf(qint64 tick)
{
    return int((tick / ticksPerPhase) % 2);
}

int stepOf(qint64 tick)
{
    return int(tick % ticksPerPhase);
}

int channel(TColor color, int shift)
{
    return int((color >> shift) & 0xFF);
}

// One channel of the fade: `from` at step 0, `to` at the last step, with the
// division truncating toward zero as the integer arithmetic of the look wants.
int blend(int from, int to, int step)
{
    return (from + (to - from) * step / lastStep) & 0xFF;
}

} // namespace

struct TAnimatedLabel::Private
{
    QTimer *timer = nullptr;
    TAnimationType animationType = atNone;
    TColor color = clBtnFace;
    bool parentColor = true;
    bool showAccelChar = true;
    // 64 bits, so that a label left running for years never overflows.
    qint64 ticks = 0;
};

TAnimatedLabel::TAnimatedLabel(QWidget *parent) : QLabel(parent), d(new Private)
{
    d->timer = new QTimer(this);
    connect(d->timer, &QTimer::timeout, this, [this] { OnTimer(d->timer); });
    d->timer->setInterval(defaultInterval);
    d->timer->start();
}

TAnimatedLabel::~TAnimatedLabel() = default;

TAnimatedLabel::TAnimationType TAnimatedLabel::AnimationType() const noexcept
{
    return d->animationType;
}

void TAnimatedLabel::SetAnimationType(TAnimationType type)
{
    if (type == d->animationType)
        return;
    d->animationType = type;
    emit AnimationTypeChanged(type);
}

bool TAnimatedLabel::ParentColor() const noexcept
{
    return d->parentColor;
}

bool TAnimatedLabel::ShowAccelChar() const noexcept
{
    return d->showAccelChar;
}

qint64 TAnimatedLabel::Ticks() const noexcept
{
    return d->ticks;
}

int TAnimatedLabel::GetInterval() const
{
    return d->timer->interval();
}

void TAnimatedLabel::SetInterval(int milliseconds)
{
    // A zero-interval QTimer would fire continuously; no ticks is the sound
    // reading of "no period".
    milliseconds = std::max(milliseconds, 0);
    const bool run = milliseconds > 0;
    const int before = d->timer->interval();
    if (milliseconds == before && run == d->timer->isActive())
        return;
    d->timer->setInterval(milliseconds);
    if (!run)
        d->timer->stop();
    else if (!d->timer->isActive())
        d->timer->start();
    if (milliseconds != before)
        emit IntervalChanged(milliseconds);
}

TColor TAnimatedLabel::Color() const
{
    if (!d->parentColor)
        return d->color;
    const QWidget *parent = parentWidget();
    if (!parent)
        return clBtnFace;
    const QVariant own = parent->property("Color");
    if (own.isValid() && own.canConvert<quint32>())
        return own.value<quint32>();
    const QColor background = parent->palette().color(parent->backgroundRole());
    for (TColor system : {clBtnFace, clWindow})
        if (toQColor(system, parent->palette()) == background)
            return system;
    return fromQColor(background);
}

void TAnimatedLabel::SetColor(TColor color)
{
    if (d->color == color && !d->parentColor)
        return;
    const TColor before = Color();
    d->color = color;
    const bool leftParent = d->parentColor;
    d->parentColor = false;
    update();
    if (leftParent)
        emit ParentColorChanged(false);
    if (color != before)
        emit ColorChanged(color);
}

void TAnimatedLabel::SetParentColor(bool parentColor)
{
    if (d->parentColor == parentColor)
        return;
    // Leaving the parent's colour keeps the colour it had.
    const TColor before = Color();
    if (!parentColor)
        d->color = before;
    d->parentColor = parentColor;
    update();
    emit ParentColorChanged(parentColor);
    if (Color() != before)
        emit ColorChanged(Color());
}

void TAnimatedLabel::SetShowAccelChar(bool show)
{
    if (AccelLabel::Set(*this, d->showAccelChar, show))
        emit ShowAccelCharChanged(show);
}

void TAnimatedLabel::OnTimer(QObject *)
{
    update();
    ++d->ticks;
}

void TAnimatedLabel::paintEvent(QPaintEvent *event)
{
    switch (d->animationType) {
    case atNone:
        paintNormal(event);
        break;
    case atFlash:
        paintFlash(event);
        break;
    case atFly:
        paintFly();
        break;
    case atFade:
        paintFade();
        break;
    }
}

void TAnimatedLabel::paintNormal(QPaintEvent *event)
{
    // With the parent's colour the parent's own background shows through.
    if (!d->parentColor && d->color != clNone) {
        QPainter painter(this);
        painter.fillRect(rect(), toQColor(d->color, palette(), palette().color(backgroundRole())));
    }
    if (!AccelLabel::Paint(*this, d->showAccelChar))
        QLabel::paintEvent(event);
    if (isDesigning() && text().isEmpty()) {
        // An empty label paints nothing; in a designer it still needs a shape.
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Dark), 1, Qt::DashLine));
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void TAnimatedLabel::paintFlash(QPaintEvent *event)
{
    if (phaseOf(d->ticks) == 1) {
        paintNormal(event);
        return;
    }
    QPainter painter(this);
    fillWithButtonFace(painter);
}

void TAnimatedLabel::paintFly()
{
    QPainter painter(this);
    fillWithButtonFace(painter);
    const int w = width();
    if (w <= 0)
        return; // nothing to see, and the wrap below would divide by zero
    const int x = w - 2 * int(d->ticks % w);
    drawPlainLine(painter, x, palette().color(foregroundRole()));
}

void TAnimatedLabel::paintFade()
{
    QPainter painter(this);
    drawPlainLine(painter, 0, fadeColor());
}

void TAnimatedLabel::fillWithButtonFace(QPainter &painter) const
{
    painter.fillRect(rect(), toQColor(clBtnFace, palette()));
}

void TAnimatedLabel::drawPlainLine(QPainter &painter, int x, const QColor &textColor) const
{
    QString line = text();
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    painter.setFont(font());
    painter.setPen(textColor);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(toQColor(clBtnFace, palette()));
    painter.drawText(QPoint(x, QFontMetrics(font()).ascent()), line);
}

// Text colour F and background K mix channel by channel: in from K over the
// first phase, back out to K over the second. K is Color: the palette's
// colour for a system colour such as clBtnFace, else the plain colour.
QColor TAnimatedLabel::fadeColor() const
{
    const TColor text = fromQColor(palette().color(foregroundRole()));
    // A plain colour (a coloured parent's, most often) is faded to as it is;
    // read as a system colour index its low byte would name an unrelated one.
    const TColor color = Color();
    const TColor back =
        isSystemColor(color) ? systemColorRgb(int(color & 0xFF), palette()) : color & 0xFFFFFF;
    const int step = stepOf(d->ticks);
    const bool fadingIn = phaseOf(d->ticks) == 0;
    TColor mixed = 0;
    for (int shift : {0, 8, 16}) {
        const int k = channel(back, shift);
        const int f = channel(text, shift);
        const int c = fadingIn ? blend(k, f, step) : blend(f, k, step);
        mixed |= TColor(c) << shift;
    }
    return toQColor(mixed, palette());
}

} // namespace corvanel
