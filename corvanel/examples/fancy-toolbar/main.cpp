// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// A toolbar of fancy buttons. Each face is a strip of four square cells side
// by side (up with the pointer over it, pressed, resting, held down); the
// disabled look is made from the first cell. The three alignment buttons
// share a group: one of them is always held down.
#include <corvanel/FancyButton.h>

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QPixmap>
#include <QToolBar>

using corvanel::TFancyButton;

namespace {

constexpr int kCell = 24;
// The strip's bottom-left pixel names the colour that stays transparent.
const QColor kTransparent(255, 0, 255);

// Three lines of text aligned by `alignment`, in four looks.
QPixmap alignmentGlyph(Qt::Alignment alignment)
{
    QPixmap strip(4 * kCell, kCell);
    strip.fill(kTransparent);
    QPainter painter(&strip);
    const QColor looks[] = {Qt::darkBlue, Qt::black, Qt::darkGray, Qt::darkRed};
    for (int cell = 0; cell < 4; ++cell) {
        const int pressed = cell == 1 || cell == 3 ? 1 : 0;
        for (int line = 0; line < 3; ++line) {
            const int width = line == 1 ? 10 : 16;
            int x = 4;
            if (alignment == Qt::AlignHCenter)
                x = (kCell - width) / 2;
            else if (alignment == Qt::AlignRight)
                x = kCell - 4 - width;
            painter.fillRect(cell * kCell + x + pressed, 6 + 5 * line + pressed, width, 2,
                             looks[cell]);
        }
    }
    return strip;
}

TFancyButton *alignmentButton(Qt::Alignment alignment, const QString &tip, QLabel *text)
{
    auto *button = new TFancyButton;
    button->SetGlyph(alignmentGlyph(alignment));
    button->SetGroupIndex(1);
    button->setToolTip(tip);
    QObject::connect(button, &TFancyButton::DownChanged, text, [text, alignment](bool down) {
        if (down)
            text->setAlignment(alignment | Qt::AlignVCenter);
    });
    return button;
}

// A plain face for a captioned button: 48 × 24 cells, raised, pressed,
// resting and held down.
QPixmap faceGlyph()
{
    constexpr int width = 2 * kCell;
    QPixmap strip(4 * width, kCell);
    strip.fill(kTransparent);
    QPainter painter(&strip);
    const QColor borders[] = {Qt::darkBlue, Qt::black, Qt::gray, Qt::black};
    for (int cell = 0; cell < 4; ++cell) {
        painter.setPen(borders[cell]);
        painter.setBrush(cell == 1 || cell == 3 ? QColor(220, 220, 220) : QColor(245, 245, 245));
        painter.drawRoundedRect(cell * width + 1, 1, width - 3, kCell - 3, 4, 4);
    }
    return strip;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto *text = new QLabel(QObject::tr("Pick an alignment in the toolbar."));
    text->setMinimumSize(360, 120);
    window.setCentralWidget(text);

    QToolBar *toolbar = window.addToolBar(QObject::tr("Alignment"));
    TFancyButton *left = alignmentButton(Qt::AlignLeft, QObject::tr("Align left"), text);
    toolbar->addWidget(left);
    toolbar->addWidget(alignmentButton(Qt::AlignHCenter, QObject::tr("Centre"), text));
    toolbar->addWidget(alignmentButton(Qt::AlignRight, QObject::tr("Align right"), text));
    left->SetDown(true);

    toolbar->addSeparator();
    auto *lock = new TFancyButton;
    lock->SetGlyph(faceGlyph());
    lock->SetNumGlyphs(4); // the cells are not square, so the count is given
    lock->SetCaption(QObject::tr("&Lock"));
    lock->setToolTip(QObject::tr("Disable the alignment buttons (Alt+L)"));
    lock->SetOnClick([toolbar, lock](QObject *) {
        for (auto *button : toolbar->findChildren<TFancyButton *>())
            if (button != lock)
                button->SetState(button->State() == corvanel::fbsDisabled ? corvanel::fbsMouseOut
                                                                          : corvanel::fbsDisabled);
    });
    toolbar->addWidget(lock);

    window.show();
    return app.exec();
}
