// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// Writes a picture of buttons in every state, at device pixel ratios 1 and 2,
// for a person to look at. The folder is $OMBREL_PICTURE_DIR, else the
// system's temporary folder; the paths are printed.
#include "ButtonTestArt.h"
#include <corvanel/FancyButton.h>

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QGridLayout>
#include <QLabel>
#include <iostream>

#include <gtest/gtest.h>

using namespace corvanel;
using namespace buttontest;

namespace {

const char *stateName(TFancyButtonState state)
{
    static const char *const names[] = {"fbsUp (hot)", "fbsDown", "fbsMouseOut", "fbsExclusive",
                                        "fbsDisabled"};
    return names[int(state)];
}

// Puts `b` into `state` the way a user would see it.
void showState(TFancyButton *b, TFancyButtonState state, int group)
{
    switch (state) {
    case fbsUp: {
        QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(b->mapToGlobal(QPoint(1, 1))));
        QApplication::sendEvent(b, &event);
        break;
    }
    case fbsExclusive:
        b->SetGroupIndex(group);
        b->SetDown(true);
        break;
    default:
        b->SetState(state);
        break;
    }
}

QImage grabAt(QWidget &widget, qreal dpr)
{
    QImage image(widget.size() * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    widget.render(&image);
    return image;
}

} // namespace

TEST(FancyButtonPicture, rowOfButtonsInEveryState)
{
    QWidget sheet;
    sheet.setAutoFillBackground(true);
    auto *grid = new QGridLayout(&sheet);
    grid->setHorizontalSpacing(14);

    struct Row
    {
        const char *title;
        QImage glyph;
        QString caption;
        TColor shadow;
    };
    QImage two = fancyStrip(qRgb(0xC0, 0x20, 0x20)).copy(0, 0, 48, 24);
    {
        // White and grey details show the recoloured disabled look.
        for (int x = 4; x < 20; ++x)
            two.setPixel(x, 21, qRgb(0xFF, 0xFF, 0xFF));
        for (int x = 4; x < 20; ++x)
            two.setPixel(x, 22, qRgb(0x80, 0x80, 0x80));
    }
    const Row rows[] = {
        {"5 cells", fancyStrip(), QString(), clNone},
        {"4 cells", fancyStrip(qRgb(0x20, 0x40, 0xC0)).copy(0, 0, 96, 24), QString(), clNone},
        {"3 cells", fancyStrip(qRgb(0xC0, 0x80, 0x00)).copy(0, 0, 72, 24), QString(), clNone},
        {"2 cells", two, QString(), clNone},
        {"1 cell", fancyStrip().copy(48, 0, 24, 24), QString(), clNone},
        {"caption", QImage(), "&Play", clNone},
        {"shadow", QImage(), "&Play", 0x808080},
    };

    for (int s = 0; s < 5; ++s)
        grid->addWidget(new QLabel(stateName(TFancyButtonState(s))), 0, s + 1, Qt::AlignCenter);
    int r = 1;
    for (const Row &row : rows) {
        grid->addWidget(new QLabel(row.title), r, 0);
        for (int s = 0; s < 5; ++s) {
            auto *b = new TFancyButton(&sheet);
            if (!row.glyph.isNull())
                b->SetGlyph(QPixmap::fromImage(row.glyph));
            if (!row.caption.isEmpty()) {
                b->SetGlyph(QPixmap::fromImage(fancyStrip(0, 24, 56, false)));
                b->SetNumGlyphs(5);
                b->SetCaption(row.caption);
                b->SetTextShadowColor(row.shadow);
            }
            b->setFixedSize(b->size());
            grid->addWidget(b, r, s + 1, Qt::AlignCenter);
            showState(b, TFancyButtonState(s), r);
        }
        ++r;
    }
    sheet.adjustSize();
    sheet.show();

    const QString dir = qEnvironmentVariableIsSet("OMBREL_PICTURE_DIR")
                            ? qEnvironmentVariable("OMBREL_PICTURE_DIR")
                            : QDir::tempPath();
    for (int dpr : {1, 2}) {
        const QString path = QDir(dir).filePath(QString("fancy-buttons@%1x.png").arg(dpr));
        const QImage image = grabAt(sheet, dpr);
        ASSERT_TRUE(image.save(path));
        std::cout << "button picture: " << path.toStdString() << std::endl;
    }
}
