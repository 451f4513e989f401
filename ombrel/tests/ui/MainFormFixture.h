// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// A real main window whose message boxes are answered by the test.

#include "WindowParts.h"
#include "ui/BoardGeometry.h"
#include "ui/Main.h"

#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

struct ShownMessage
{
    std::string text;
    std::string caption;
    ombrel::MessageButtons buttons;
    ombrel::MessageIcon icon;
};

class MainFormFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form = std::make_unique<ombrel::TMainForm>();
        form->setMessageHandler([this](const QString &text, const QString &caption,
                                       ombrel::MessageButtons buttons, ombrel::MessageIcon icon) {
            messages.push_back({text.toStdString(), caption.toStdString(), buttons, icon});
            return buttons == ombrel::MessageButtons::Ok ? ombrel::MessageAnswer::Ok : answer;
        });
        parts = std::make_unique<ombrel::test::MainParts>(*form);
        form->show();
        // Window shortcuts (H, Space) only reach an active window.
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    ombrel::GameController &game() { return form->Controller(); }
    ombrel::test::MainParts &ui() { return *parts; }
    QString status() { return ui().StatusLine->currentMessage(); }

    // Centre of a house's cell on the paint box.
    QPoint houseCentre(int h)
    {
        return QPoint(ombrel::HouseLeft(h) + 36, ombrel::HouseTop(h) + 36);
    }
    void clickBoard(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(form->PaintBox(), button, Qt::NoModifier, at);
    }
    // Ticks the timers by hand until nothing runs any more.
    void runToRest(int limit = 2000)
    {
        for (int i = 0; i < limit && (game().MoveTimerEnabled() || game().FlashTimerEnabled());
             ++i) {
            if (game().FlashTimerEnabled())
                form->FlashTimerTimer();
            else
                form->MoveTimerTimer();
        }
    }

    std::unique_ptr<ombrel::TMainForm> form;
    std::unique_ptr<ombrel::test::MainParts> parts;
    std::vector<ShownMessage> messages;
    ombrel::MessageAnswer answer = ombrel::MessageAnswer::No;
};
