// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// ombrel-render-board <folder>
//
// Draws the manual's pictures of the board with the game's own window: each
// position is set on a real main window (offscreen) and its board surface is
// rendered into a PNG with a transparent background, so the manual shows
// exactly what the player sees and suits light and dark pages alike. At a
// device pixel ratio of 2 (QT_SCALE_FACTOR=2) the files are named name@2x.png,
// which the manual's browser picks on a 2x screen.
//
// The pictures: board-numbers (the empty board with the house numbers),
// board-opening, board-move (after Player 1 sowed house 0 from the opening),
// board-capture-before and board-capture-after (a last seed that makes four),
// board-next-round (Player 1 owning eight houses).

#include "ui/Main.h"
#include "controller/GameController.h"
#include "ui/BoardGeometry.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <functional>

namespace {

using ombrel::TBoard;

int fail(const char *message, const QString &detail)
{
    std::fprintf(stderr, "ombrel-render-board: %s%s\n", message, qPrintable(detail));
    return 2;
}

// The numbers 0..11 on the houses, dark on the light ovals.
void DrawHouseNumbers(QPainter &painter)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(22);
    font.setBold(true);
    painter.setFont(font);
    for (int h = 0; h < ombrel::HouseCount; ++h) {
        const QRect cell(ombrel::HouseLeft(h), ombrel::HouseTop(h), ombrel::HouseSize,
                         ombrel::HouseSize);
        painter.setPen(QColor(255, 255, 255, 200));
        painter.drawText(cell.translated(1, 1), Qt::AlignCenter, QString::number(h));
        painter.setPen(QColor(0x3a, 0x1c, 0x06));
        painter.drawText(cell, Qt::AlignCenter, QString::number(h));
    }
}

class Renderer
{
public:
    explicit Renderer(const QString &folder) : m_folder(folder)
    {
        m_form.setMessageHandler([](const QString &, const QString &, ombrel::MessageButtons,
                                    ombrel::MessageIcon) { return ombrel::MessageAnswer::No; });
        m_form.Controller().HumanExecute(); // no computer move after a sowing
        m_form.show();
    }

    bool Write(const char *name, const std::function<void(QPainter &)> &overlay = {})
    {
        m_form.PaintBox()->ShowBoard(m_form.Controller().Board(), true);
        QWidget *surface = m_form.PaintBox();
        const qreal dpr = surface->devicePixelRatioF();
        QImage image(QSize(ombrel::SurfaceWidth, ombrel::SurfaceHeight) * dpr,
                     QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(dpr);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            surface->render(&painter, QPoint(), QRegion(), QWidget::RenderFlags());
            if (overlay) {
                painter.setRenderHint(QPainter::TextAntialiasing);
                overlay(painter);
            }
        }
        const QString suffix = dpr > 1.5 ? QStringLiteral("@2x.png") : QStringLiteral(".png");
        const QString path = m_folder + '/' + QLatin1String(name) + suffix;
        if (!image.save(path, "PNG")) {
            fail("cannot write ", path);
            return false;
        }
        return true;
    }

    void Set(const TBoard &board) { m_form.Controller().SetBoard(board); }

    // Plays `house` for the side to move and sows the whole move.
    void Play(int house)
    {
        ombrel::GameController &game = m_form.Controller();
        game.BoardClick(ombrel::MouseButton::Left, house);
        for (int tick = 0; tick < 100000 && game.MoveTimerEnabled(); ++tick)
            game.MoveTimerTimer();
    }

private:
    QString m_folder;
    ombrel::TMainForm m_form;
};

TBoard Opening()
{
    TBoard board;
    ombrel::InitBoard(board);
    return board;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2)
        return fail("usage: ombrel-render-board <folder>", {});
    QApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder))
        return fail("cannot make the folder ", folder);

    Renderer renderer(folder);
    bool ok = true;
    // The numbers on empty houses, where nothing hides them.
    TBoard numbers = Opening();
    numbers.Seeds = {};
    renderer.Set(numbers);
    ok = ok && renderer.Write("board-numbers", DrawHouseNumbers);
    renderer.Set(Opening());
    ok = ok && renderer.Write("board-opening");
    renderer.Play(0);
    ok = ok && renderer.Write("board-move");

    // House 5 holds one seed, house 6 three: the last seed makes four there,
    // and the group goes to Player 1, who sowed it.
    TBoard capture = Opening();
    capture.Seeds = {4, 4, 4, 4, 2, 1, 3, 4, 4, 4, 4, 4};
    capture.Taken = {1, 0};
    renderer.Set(capture);
    ok = ok && renderer.Write("board-capture-before");
    renderer.Play(5);
    ok = ok && renderer.Write("board-capture-after");

    TBoard next = Opening();
    next.Player1Houses = 8;
    renderer.Set(next);
    ok = ok && renderer.Write("board-next-round");
    return ok ? 0 : 1;
}
