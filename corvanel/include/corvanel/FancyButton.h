// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/Colors.h>
#include <corvanel/Component.h>
#include <corvanel/Events.h>
#include <corvanel/corvanel_export.h>

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

class QAction;
class QPainter;

namespace corvanel {

class TButtonGlyph;

/// An owner-drawn push button whose whole face is a glyph bitmap (see
/// TButtonGlyph) with an optional caption drawn over it; no frame. The face
/// follows the pointer (hot tracking; not while designing), and buttons of one
/// parent with the same non-zero GroupIndex form a group in which at most one
/// is held down. Every release that ends a press, also one dragged off the
/// button, closes the QDialog the button sits in with a non-zero ModalResult;
/// only a release over the button clicks it.
///
/// The button is a Tab stop: with keyboard focus it shows the style's focus
/// mark, Enter clicks it and Escape does when ModalResult is 2 (Cancel). To
/// assistive technology it is a push button named by its caption, or by its
/// tooltip when it has no caption, whose press action clicks it.
///
/// State drives Enabled: setting State to fbsDisabled disables the widget, any
/// other state enables it, and only State enters or leaves fbsDisabled. A
/// disabled ancestor or action shows the disabled look without changing State.
/// Enabled is therefore not offered to designers or forms.
class CORVANEL_EXPORT TFancyButton : public QWidget, public Component
{
    Q_OBJECT
    /// The look the button shows now; fbsMouseOut by default. Setting fbsDisabled
    /// disables the button, any other state enables it.
    Q_PROPERTY(TFancyButtonState State READ State WRITE SetState NOTIFY StateChanged)
    Q_CLASSINFO("corvanel.default.State", "fbsMouseOut")
    /// The result a click gives the dialog the button sits in (QDialog::done());
    /// 0 (mrNone, the default) leaves the dialog open.
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult NOTIFY ModalResultChanged)
    Q_CLASSINFO("corvanel.default.ModalResult", "0")
    /// Whether a click on the held button of a group releases it, leaving every
    /// button of the group up; false by default.
    Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE SetAllowAllUp NOTIFY AllowAllUpChanged)
    Q_CLASSINFO("corvanel.default.AllowAllUp", "false")
    /// The group among the parent's buttons, in which at most one is down; 0 (the
    /// default) for no group. Leaving a group releases the button.
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex NOTIFY GroupIndexChanged)
    Q_CLASSINFO("corvanel.default.GroupIndex", "0")
    /// Whether the button is held down; false by default. Only a button of a group
    /// can be down, and the held button of a group is released only by another one
    /// going down (or by a click, with AllowAllUp).
    Q_PROPERTY(bool Down READ Down WRITE SetDown NOTIFY DownChanged)
    Q_CLASSINFO("corvanel.default.Down", "false")
    /// The face bitmap: NumGlyphs cells side by side (see TButtonGlyph); empty by
    /// default. Its bottom-left pixel names the transparent colour.
    Q_PROPERTY(QPixmap Glyph READ GetGlyph WRITE SetGlyph NOTIFY GlyphChanged)
    Q_CLASSINFO("corvanel.default.Glyph", "")
    /// The number of cells in #Glyph, 1 to 5; 1 by default, and set from a
    /// bitmap that is an exact row of square cells.
    Q_PROPERTY(
        int NumGlyphs READ GetNumGlyphs WRITE SetNumGlyphs NOTIFY NumGlyphsChanged STORED true)
    // Declared 0, which it never is, so forms always keep it.
    Q_CLASSINFO("corvanel.default.NumGlyphs", "0")
    /// The caption's horizontal shift from the centre, in pixels; 0 by default.
    Q_PROPERTY(
        int TextOffsetLeft READ TextOffsetLeft WRITE SetTextOffsetLeft NOTIFY TextOffsetLeftChanged)
    Q_CLASSINFO("corvanel.default.TextOffsetLeft", "0")
    /// The caption's vertical shift from the centre, in pixels; 0 by default.
    Q_PROPERTY(
        int TextOffsetTop READ TextOffsetTop WRITE SetTextOffsetTop NOTIFY TextOffsetTopChanged)
    Q_CLASSINFO("corvanel.default.TextOffsetTop", "0")
    /// A TColor: the caption's shadow, drawn 2 pixels below and right of the
    /// text; clNone (the default) for no shadow.
    Q_PROPERTY(uint TextShadowColor READ TextShadowColor WRITE SetTextShadowColor NOTIFY
                   TextShadowColorChanged)
    Q_CLASSINFO("corvanel.default.TextShadowColor", "0x1FFFFFFF")
    /// The text drawn over the glyph; empty by default. "&" marks the accelerator.
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY CaptionChanged)
    /// The action that lends the button its text, state and tooltip; none by
    /// default.
    Q_PROPERTY(QAction *Action READ Action WRITE SetAction NOTIFY ActionChanged)
    /// QWidget's enabled, which follows #State here.
    Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled DESIGNABLE false STORED false)

public:
    /// The look of the button, also the index of its glyph cell.
    enum TFancyButtonState : quint8
    {
        fbsUp,        ///< Up, the pointer over the button.
        fbsDown,      ///< Being pressed.
        fbsMouseOut,  ///< Up, the pointer elsewhere: the resting state.
        fbsExclusive, ///< Held down (Down is set).
        fbsDisabled,  ///< Disabled.
    };
    Q_ENUM(TFancyButtonState)

    /// The dialog result codes of the buttons: 0 none, 1 OK, 2 Cancel ... 8.
    using TFancyModalResult = qint8;
    /// No result: a click leaves the dialog open.
    static constexpr int mrNone = 0;
    /// The result of a Cancel button.
    static constexpr int mrCancel = 2;
    /// The highest result a button gives.
    static constexpr int mrMax = 8;

    /// A mouse button event: the button, the keyboard modifiers and the position
    /// in the button's coordinates.
    using TMouseEvent = std::function<void(QObject *sender, Qt::MouseButton button,
                                           Qt::KeyboardModifiers modifiers, int x, int y)>;
    /// A pointer movement over the button: the modifiers and the position.
    using TMouseMoveEvent =
        std::function<void(QObject *sender, Qt::KeyboardModifiers modifiers, int x, int y)>;

    /// A button without glyph or caption, resting up (fbsMouseOut).
    Q_INVOKABLE explicit TFancyButton(QWidget *parent = nullptr);
    /// Destroys the button; an action it follows is left alone.
    ~TFancyButton() override;

    ///@{
    /// Reads and sets #State.
    TFancyButtonState State() const noexcept;
    void SetState(TFancyButtonState state);
    ///@}
    /// Reads #ModalResult.
    int ModalResult() const noexcept;
    /// Values outside 0..8 give 0 (no result).
    void SetModalResult(int result);
    ///@{
    /// Reads and sets #AllowAllUp.
    bool AllowAllUp() const noexcept;
    void SetAllowAllUp(bool allowAllUp);
    ///@}
    ///@{
    /// Reads and sets #GroupIndex.
    int GroupIndex() const noexcept;
    // 0 leaves the group and releases a held button, which nothing else
    // could release then.
    void SetGroupIndex(int groupIndex);
    ///@}
    ///@{
    /// Reads and sets #Down.
    bool Down() const noexcept;
    // Only a button of a group goes down; a disabled one keeps its disabled
    // state and look while held.
    void SetDown(bool down);
    ///@}

    /// Reads #Glyph.
    QPixmap GetGlyph() const;
    /// The button takes the size of one cell; an empty glyph makes it 0 × 0.
    void SetGlyph(const QPixmap &glyph);
    /// As above, with a fixed transparent colour instead of the bottom-left
    /// pixel's.
    void SetGlyph(const QImage &glyph, TColor transparentColor);
    /// Reads #NumGlyphs.
    int GetNumGlyphs() const;
    /// Clamped to 1..5; resizes the button to one cell.
    void SetNumGlyphs(int numGlyphs);

    ///@{
    /// Read and set #TextOffsetLeft and #TextOffsetTop.
    int TextOffsetLeft() const noexcept;
    void SetTextOffsetLeft(int offset);
    int TextOffsetTop() const noexcept;
    void SetTextOffsetTop(int offset);
    ///@}
    ///@{
    /// Reads and sets #TextShadowColor.
    TColor TextShadowColor() const noexcept;
    void SetTextShadowColor(TColor color);
    ///@}

    /// "&" marks the accelerator: Alt and that letter click the button.
    QString Caption() const;
    /// Sets #Caption; the button keeps its size.
    void SetCaption(const QString &caption);

    /// The action lends its text, enabled state, tooltip and visibility, and a
    /// click triggers it (unless OnClick is set). A button without a glyph
    /// takes the size of the action's icon.
    QAction *Action() const;
    /// Follows `action` from now on (null for none); see Action().
    void SetAction(QAction *action);

    /// The face: bitmap, cells and their images.
    TButtonGlyph &Glyph() const noexcept;
    /// The size of one glyph cell.
    QSize sizeHint() const override;

    /// Calls OnClick, or triggers the action, and emits clicked().
    void Click();

    /// The handlers of the button's events, one each; an empty one is not
    /// called. Connect to clicked() and doubleClicked() for more listeners.
    ///
    /// None by default: a click then triggers #Action.
    TNotifyEvent OnClick() const;
    /// Sets the handler of OnClick().
    void SetOnClick(TNotifyEvent handler);
    /// Called by a double click on a button that is down.
    TNotifyEvent OnDblClick() const;
    /// Sets the handler of OnDblClick().
    void SetOnDblClick(TNotifyEvent handler);
    /// Called when a mouse button goes down on the button; none by default.
    TMouseEvent OnMouseDown() const;
    /// Sets the handler of OnMouseDown().
    void SetOnMouseDown(TMouseEvent handler);
    /// Called when the pointer moves over the button (or while pressed); none by
    /// default.
    TMouseMoveEvent OnMouseMove() const;
    /// Sets the handler of OnMouseMove().
    void SetOnMouseMove(TMouseMoveEvent handler);
    /// Called when a mouse button goes up after a press on the button; none by
    /// default.
    TMouseEvent OnMouseUp() const;
    /// Sets the handler of OnMouseUp().
    void SetOnMouseUp(TMouseEvent handler);

signals:
    /// Emitted by every click, after OnClick or the action.
    void clicked();
    /// Emitted by a double click, after OnDblClick.
    void doubleClicked();
    // State also changes with the pointer and the mouse buttons.
    ///@{
    /// Emitted when the property of the same name changes, with its new value.
    void StateChanged(corvanel::TFancyButton::TFancyButtonState state);
    void ModalResultChanged(int result);
    void AllowAllUpChanged(bool allowAllUp);
    void GroupIndexChanged(int groupIndex);
    // Also when another button of the group goes down and releases this one.
    void DownChanged(bool down);
    void GlyphChanged();
    void NumGlyphsChanged(int numGlyphs);
    void TextOffsetLeftChanged(int offset);
    void TextOffsetTopChanged(int offset);
    void TextShadowColorChanged(quint32 color);
    void CaptionChanged(const QString &caption);
    // Also when the action is destroyed (to null).
    void ActionChanged(QAction *action);
    ///@}

protected:
    void Loaded() override;
    /// @cond internal
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
    /// @endcond

private:
    struct Private;
    friend class FancyButtonAccessible;

    // A whole click as the mouse gives it: OnClick, the group's hold, the
    // dialog's result. Assistive technology presses the button this way.
    void Press();
    void Paint();
    void OnGlyphChange();
    void NotifyGlyph();
    void ChangeState(TFancyButtonState state);
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

    std::unique_ptr<Private> d;
};

/// The button states, also by their own names (`corvanel::fbsUp`, ...).
using TFancyButtonState = TFancyButton::TFancyButtonState;
using enum TFancyButton::TFancyButtonState;

} // namespace corvanel
