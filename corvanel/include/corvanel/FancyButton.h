// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/Colors.h>
#include <corvanel/Component.h>
#include <corvanel/Events.h>
#include <corvanel/corvanel_export.h>

#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

class QAction;
class QPainter;

namespace corvanel {

class TButtonGlyph;

// An owner-drawn push button whose whole face is a glyph bitmap (see
// TButtonGlyph) with an optional caption drawn over it; no frame, no focus
// mark. The face follows the pointer (hot tracking), and buttons of one parent
// with the same non-zero GroupIndex form a group in which at most one is held
// down. A click can close the QDialog the button sits in with ModalResult.
//
// State drives Enabled: setting State to fbsDisabled disables the widget, any
// other state enables it, and only State enters or leaves fbsDisabled. A
// disabled ancestor or action shows the disabled look without changing State.
// Enabled is therefore not offered to designers or forms.
class CORVANEL_EXPORT TFancyButton : public QWidget, public Component
{
    Q_OBJECT
    Q_PROPERTY(TFancyButtonState State READ State WRITE SetState)
    Q_CLASSINFO("corvanel.default.State", "fbsMouseOut")
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_CLASSINFO("corvanel.default.ModalResult", "0")
    Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE SetAllowAllUp)
    Q_CLASSINFO("corvanel.default.AllowAllUp", "false")
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
    Q_CLASSINFO("corvanel.default.GroupIndex", "0")
    Q_PROPERTY(bool Down READ Down WRITE SetDown)
    Q_CLASSINFO("corvanel.default.Down", "false")
    Q_PROPERTY(QPixmap Glyph READ GetGlyph WRITE SetGlyph)
    Q_CLASSINFO("corvanel.default.Glyph", "")
    Q_PROPERTY(int NumGlyphs READ GetNumGlyphs WRITE SetNumGlyphs STORED true)
    // Declared 0, which it never is, so forms always keep it.
    Q_CLASSINFO("corvanel.default.NumGlyphs", "0")
    Q_PROPERTY(int TextOffsetLeft READ TextOffsetLeft WRITE SetTextOffsetLeft)
    Q_CLASSINFO("corvanel.default.TextOffsetLeft", "0")
    Q_PROPERTY(int TextOffsetTop READ TextOffsetTop WRITE SetTextOffsetTop)
    Q_CLASSINFO("corvanel.default.TextOffsetTop", "0")
    Q_PROPERTY(uint TextShadowColor READ TextShadowColor WRITE SetTextShadowColor)
    Q_CLASSINFO("corvanel.default.TextShadowColor", "0x1FFFFFFF")
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QAction *Action READ Action WRITE SetAction)
    Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled DESIGNABLE false STORED false)

public:
    // The look of the button, also the index of its glyph cell.
    enum TFancyButtonState : quint8
    {
        fbsUp,        // up, pointer over the button
        fbsDown,      // being pressed
        fbsMouseOut,  // up, pointer elsewhere: the resting state
        fbsExclusive, // held down (Down is set)
        fbsDisabled,
    };
    Q_ENUM(TFancyButtonState)

    // The dialog result codes of the buttons: 0 none, 1 OK, 2 Cancel ... 8.
    using TFancyModalResult = qint8;
    static constexpr int mrNone = 0;
    static constexpr int mrCancel = 2;
    static constexpr int mrMax = 8;

    using TMouseEvent = std::function<void(QObject *sender, Qt::MouseButton button,
                                           Qt::KeyboardModifiers modifiers, int x, int y)>;
    using TMouseMoveEvent =
        std::function<void(QObject *sender, Qt::KeyboardModifiers modifiers, int x, int y)>;

    Q_INVOKABLE explicit TFancyButton(QWidget *parent = nullptr);
    ~TFancyButton() override;

    TFancyButtonState State() const noexcept { return m_state; }
    void SetState(TFancyButtonState state);
    int ModalResult() const noexcept { return m_modalResult; }
    // Values outside 0..8 give 0 (no result).
    void SetModalResult(int result);
    bool AllowAllUp() const noexcept { return m_allowAllUp; }
    void SetAllowAllUp(bool allowAllUp);
    int GroupIndex() const noexcept { return m_groupIndex; }
    void SetGroupIndex(int groupIndex);
    bool Down() const noexcept { return m_down; }
    void SetDown(bool down);

    QPixmap GetGlyph() const;
    // The button takes the size of one cell; an empty glyph makes it 0 × 0.
    void SetGlyph(const QPixmap &glyph);
    // As above, with a fixed transparent colour instead of the bottom-left
    // pixel's.
    void SetGlyph(const QImage &glyph, TColor transparentColor);
    int GetNumGlyphs() const;
    // Clamped to 1..5; resizes the button to one cell.
    void SetNumGlyphs(int numGlyphs);

    int TextOffsetLeft() const noexcept { return m_textOffsetLeft; }
    void SetTextOffsetLeft(int offset);
    int TextOffsetTop() const noexcept { return m_textOffsetTop; }
    void SetTextOffsetTop(int offset);
    TColor TextShadowColor() const noexcept { return m_textShadowColor; }
    void SetTextShadowColor(TColor color);

    // "&" marks the accelerator: Alt and that letter click the button.
    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);

    // The action lends its text, enabled state, tooltip and visibility, and a
    // click triggers it (unless OnClick is set). A button without a glyph
    // takes the size of the action's icon.
    QAction *Action() const { return m_action; }
    void SetAction(QAction *action);

    TButtonGlyph &Glyph() const noexcept { return *m_glyph; }
    QSize sizeHint() const override;

    // Fires OnClick, or triggers the action, and emits clicked().
    void Click();

    TNotifyEvent OnClick;
    // Fired by a double click on a button that is down.
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;

signals:
    void clicked();

protected:
    void Loaded() override;
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Paint();
    void GlyphChanged();
    void TakeCellSize();
    bool Inside(QPoint pos) const;
    void ApplyModalResult();
    void UpdateTracking(QPoint globalPos);
    void CMMouseEnter();
    void CMMouseLeave();
    void CMSyscolorChange();
    void CMDialogChar();
    void CMButtonPressed(int groupIndex, TFancyButton *sender);
    void UpdateExclusive();
    void EnabledChanged();
    void ActionChange(bool checkDefaults);
    void RestingState();
    void DrawDesignOutline(QPainter &painter) const;

    int m_groupIndex = 0;
    std::unique_ptr<TButtonGlyph> m_glyph;
    bool m_down = false;
    bool m_pressing = false;
    bool m_allowAllUp = false;
    bool m_mouseInside = false;
    int m_textOffsetLeft = 0;
    int m_textOffsetTop = 0;
    TColor m_textShadowColor = clNone;
    TFancyButtonState m_state = fbsMouseOut;
    TFancyModalResult m_modalResult = mrNone;

    QString m_caption;
    int m_shortcutId = 0;
    QPointer<QAction> m_action;
    QMetaObject::Connection m_actionChanged;
    QSize m_sizeHint{23, 22};
};

using TFancyButtonState = TFancyButton::TFancyButtonState;
using enum TFancyButton::TFancyButtonState;

namespace FancyButton {
// Puts TFancyButton on the designer palette, page "Corvanel 2".
CORVANEL_EXPORT void Register();
} // namespace FancyButton

} // namespace corvanel
