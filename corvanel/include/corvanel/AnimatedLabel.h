// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/Colors.h>
#include <corvanel/Component.h>
#include <corvanel/corvanel_export.h>

#include <QLabel>
#include <memory>

class QTimer;

namespace corvanel {

/// A label that flashes its caption, flies it across from right to left, or
/// fades it in and out between the text colour and the background colour.
///
/// Its own timer ticks from construction to destruction whatever the animation
/// type, and every tick repaints the label. What a paint shows is a pure
/// function of the tick counter, which only ever grows: changing the animation
/// type or the interval carries on from the current tick. Flash and fade run in
/// cycles of 20 ticks (phase = tick / 10 % 2, step = tick % 10); the fly look
/// moves the caption two pixels left per tick and wraps after Width ticks.
///
/// The fly and fade looks draw the caption as one plain line (no alignment, no
/// wrapping, no mnemonics) in the label's font, each character cell on a
/// button-face background.
class CORVANEL_EXPORT TAnimatedLabel : public QLabel, public Component
{
    Q_OBJECT
    /// The animation the caption shows; atNone (the default) shows it as a plain
    /// label.
    Q_PROPERTY(TAnimationType AnimationType READ AnimationType WRITE SetAnimationType NOTIFY
                   AnimationTypeChanged)
    Q_CLASSINFO("corvanel.default.AnimationType", "atNone")
    /// The time between two ticks in milliseconds; 100 by default.
    Q_PROPERTY(int Interval READ GetInterval WRITE SetInterval NOTIFY IntervalChanged)
    Q_CLASSINFO("corvanel.default.Interval", "100")
    /// The label's background in the normal look, and the colour the fade look
    /// fades to and from. With ParentColor (the default) it is the parent's
    /// colour and the label paints no background of its own; setting Color
    /// clears ParentColor. clNone leaves the background to the parent too.
    /// ColorChanged follows SetColor and SetParentColor, not the parent.
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor NOTIFY ColorChanged)
    Q_CLASSINFO("corvanel.storedUnless.Color", "ParentColor")
    /// Whether #Color is the parent's; true by default.
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor NOTIFY ParentColorChanged)
    Q_CLASSINFO("corvanel.default.ParentColor", "true")
    /// '&' marks the accelerator of the normal look ("&&" is one '&').
    ///
    /// True by default.
    Q_PROPERTY(
        bool ShowAccelChar READ ShowAccelChar WRITE SetShowAccelChar NOTIFY ShowAccelCharChanged)
    Q_CLASSINFO("corvanel.default.ShowAccelChar", "true")

public:
    /// How the caption is animated.
    enum TAnimationType
    {
        /// No animation: a plain label.
        atNone,
        /// The caption shows for ten ticks and hides for ten.
        atFlash,
        /// The caption flies from right to left, two pixels a tick.
        atFly,
        /// The caption fades to the background colour and back, in ten steps each way.
        atFade
    };
    Q_ENUM(TAnimationType)

    /// A plain label (atNone) whose timer ticks every 100 ms.
    Q_INVOKABLE explicit TAnimatedLabel(QWidget *parent = nullptr);
    /// Stops the timer.
    ~TAnimatedLabel() override;

    /// Reads #AnimationType.
    TAnimationType AnimationType() const noexcept;
    /// Takes effect at the next tick; nothing is repainted here.
    void SetAnimationType(TAnimationType type);

    /// The timer's period in milliseconds. 0 or less stops the ticks (and the
    /// repaints) until a positive interval is set.
    int GetInterval() const;
    /// Sets #Interval; see GetInterval().
    void SetInterval(int milliseconds);

    /// The parent's colour while ParentColor is set: its own Color when it
    /// has one, else its background as clBtnFace, clWindow or a plain colour.
    TColor Color() const;
    /// Sets #Color and clears #ParentColor.
    void SetColor(TColor color);
    /// Reads #ParentColor.
    bool ParentColor() const noexcept;
    /// Sets #ParentColor; setting it takes the parent's colour again.
    void SetParentColor(bool parentColor);
    ///@{
    /// Reads and sets #ShowAccelChar.
    bool ShowAccelChar() const noexcept;
    void SetShowAccelChar(bool show);
    ///@}

    /// The ticks counted since construction; it only grows.
    qint64 Ticks() const noexcept;

    /// The timer's handler: schedules a repaint, then counts the tick.
    void OnTimer(QObject *sender);

signals:
    ///@{
    /// Emitted when the property of the same name changes, with its new value.
    void AnimationTypeChanged(corvanel::TAnimatedLabel::TAnimationType type);
    void IntervalChanged(int milliseconds);
    void ColorChanged(quint32 color);
    void ParentColorChanged(bool parentColor);
    void ShowAccelCharChanged(bool show);
    ///@}

protected:
    /// @cond internal
    void paintEvent(QPaintEvent *event) override;
    /// @endcond

private:
    void paintNormal(QPaintEvent *event);
    void paintFlash(QPaintEvent *event);
    void paintFly();
    void paintFade();
    void fillWithButtonFace(QPainter &painter) const;
    void drawPlainLine(QPainter &painter, int x, const QColor &textColor) const;
    QColor fadeColor() const;

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace corvanel
