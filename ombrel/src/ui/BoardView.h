// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// The board on the screen: the twelve houses and the two rows of captured
// groups, drawn from what it was last told to show (it never reads the game),
// played with the mouse and the keyboard, with the keyboard's focus ring, the
// tooltips and the accessible interface of its houses and stores.
//
// Drawing goes through a backing pixmap: ShowHouse and ShowStore redraw one
// cell into it and queue only that cell for the screen, so a sowing step costs
// one cell. Every change of a house's or store's count or owner is announced
// to assistive technology; a blink draws a house empty without changing its
// count, so a screen reader hears nothing of it.
//
// A release of a mouse button over the surface, Return on the keyboard's
// house, and Insert / Delete / main-keyboard + and - in setup mode are reported
// as Clicked(button, house).

#include "controller/GameController.h"
#include "rules/Board.h"
#include "ui/BoardAccess.h"
#include "ui/BoardFocus.h"
#include "ui/BoardPictures.h"

#include <QList>
#include <QPixmap>
#include <QRect>
#include <QWidget>

#include <array>

class QHelpEvent;
class QKeyEvent;

namespace ombrel {

class BoardView : public QWidget, public BoardAccess
{
    Q_OBJECT

public:
    explicit BoardView(QWidget *parent = nullptr);

    // What to show. A house: its seed count and its owner (0 or 1); a store:
    // its number of captured groups. ShowBoard shows a whole board, drawn at
    // once or at the next paint.
    void ShowHouse(int house, int seeds, int owner);
    void ShowStore(int player, int groups);
    void ShowBoard(const TBoard &board, bool immediate);
    // Draws `house` empty (on) or as it is (off); showing the house again ends
    // a blink as well.
    void ShowBlink(int house, bool on);
    // In setup mode the setup keys add and take seeds.
    void SetSetupMode(bool on) noexcept { m_setupMode = on; }

    // Rectangles invalidated by ShowHouse, ShowStore and ShowBlink since the
    // last call (tests check that a step repaints one cell).
    QList<QRect> TakeDrawnRects();
    // Whether the keyboard's mark is drawn (the board has focus and a key was
    // used since the last click).
    bool FocusMarkShown() const;
    // The name of a house or store as a tooltip and a screen reader give it.
    QString ItemName(int item) const override;
    // The analysis: a score under each house that has one (shown[h]), or
    // none; exact scores (from the endgame tables) are marked "=".
    void SetAnalysis(const std::array<int, HouseCount> &scores,
                     const std::array<bool, HouseCount> &shown, bool exact = false);
    void ClearAnalysis();
    QString ItemAnalysis(int item) const override;

    // BoardAccess
    QWidget *BoardSurface() const override { return const_cast<BoardView *>(this); }
    int FocusHouse() const override { return m_focus.House(); }
    void SetFocusHouse(int house) override;
    void PressHouse(int house) override;

signals:
    void Clicked(ombrel::MouseButton button, int house);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void EnsureBacking();
    void PaintAll();
    void DrawHouseInto(QPainter &painter, int house);
    void DrawTakenInto(QPainter &painter, int player);
    template <typename Draw> void DrawCell(const QRect &cell, Draw draw);
    bool KeyPress(QKeyEvent *event);
    void ShowFocusMark();
    void MoveFocusTo(int house);
    void DrawFocusMark(QPainter &painter) const;
    void DrawAnalysis(QPainter &painter) const;
    void AnnounceAnalysis(const std::array<bool, HouseCount> &changed);
    void UpdateFocusCell();
    void ToolTip(QHelpEvent *event);
    // Tells assistive technology which houses and stores changed their name
    // (count or owner) since the last call, and where the keyboard's house is.
    void AnnounceChanges();
    void AnnounceFocus();

    struct Shown
    {
        std::array<int, HouseCount> Seeds{};
        std::array<int, HouseCount> Owners{};
        std::array<int, 2> Groups{};
    };

    std::array<int, HouseCount> m_scores{};
    std::array<bool, HouseCount> m_scored{};
    bool m_exact = false;
    BoardPictures m_pictures;
    QPixmap m_backing;
    bool m_backingValid = false;
    QList<QRect> m_drawnRects;
    Shown m_shown;
    Shown m_heard;           // what assistive technology was last told of
    bool m_hasBoard = false; // the first board is shown without announcing it
    int m_blinkHouse = -1;
    bool m_setupMode = false;
    BoardFocus m_focus;
};

} // namespace ombrel
