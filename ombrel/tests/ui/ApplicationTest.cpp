// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// The game's application object: an exception that escapes an event handler
// is shown in a message box with its message, and the event loop goes on.
// This suite has its own main() because it needs the game's application
// object instead of a plain QApplication.
#include "ui/OmbrelApplication.h"
#include <corvanel/Exception.h>

#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

const QEvent::Type Throw = QEvent::Type(QEvent::User + 1);
const QEvent::Type Count = QEvent::Type(QEvent::User + 2);

class Handler : public QObject
{
public:
    int counted = 0;
    bool standard = false;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == Throw) {
            if (standard)
                throw std::runtime_error("out of seeds");
            throw corvanel::Exception("JStorage not Open");
        }
        if (event->type() == Count) {
            ++counted;
            return true;
        }
        return QObject::event(event);
    }
};

struct ShownBox
{
    QString caption;
    QString text;
    bool shown = false;
};

// Lets the posted events through and answers the box the application shows
// from inside its modal loop.
ShownBox deliverAndAnswerTheBox()
{
    ShownBox box;
    QTimer::singleShot(0, [&box] {
        auto *message = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (message) {
            box = {message->windowTitle(), message->text(), true};
            message->accept();
        }
    });
    QTest::qWait(50);
    return box;
}

} // namespace

TEST(OmbrelApplication, escapedLibraryExceptionIsShownAndTheLoopGoesOn)
{
    Handler handler;
    QCoreApplication::postEvent(&handler, new QEvent(Throw));
    QCoreApplication::postEvent(&handler, new QEvent(Count));
    const ShownBox box = deliverAndAnswerTheBox();
    EXPECT_TRUE(box.shown);
    EXPECT_EQ(box.caption, "Ombrel");
    EXPECT_EQ(box.text, "JStorage not Open");
    EXPECT_EQ(handler.counted, 1);
}

TEST(OmbrelApplication, anyStandardExceptionIsShownToo)
{
    Handler handler;
    handler.standard = true;
    QCoreApplication::postEvent(&handler, new QEvent(Throw));
    const ShownBox box = deliverAndAnswerTheBox();
    EXPECT_TRUE(box.shown);
    EXPECT_EQ(box.text, "out of seeds");
}

TEST(OmbrelApplication, exceptionWhileTheWindowsAreMadeIsShownAndTheExitCodeIsZero)
{
    int result = -1;
    QTimer::singleShot(0, [&result] {
        result = ombrel::OmbrelApplication::RunWindows(
            []() -> int { throw std::runtime_error("no room for the board"); });
    });
    const ShownBox box = deliverAndAnswerTheBox();
    EXPECT_TRUE(box.shown);
    EXPECT_EQ(box.caption, "Ombrel");
    EXPECT_EQ(box.text, "no room for the board");
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ombrel::OmbrelApplication::RunWindows([] { return 3; }), 3);
}

// Qt appends an application display name to every window title it shows
// ("Error — Ombrel"); the game sets none, so the display name follows the
// application name.
TEST(OmbrelApplication, setsNoDisplayNameThatWouldBeAppendedToTitles)
{
    QCoreApplication::setApplicationName("Probe");
    const QString shown = QGuiApplication::applicationDisplayName();
    QCoreApplication::setApplicationName("Ombrel");
    EXPECT_EQ(shown, "Probe");
}

TEST(OmbrelApplication, namesItself)
{
    EXPECT_EQ(QCoreApplication::applicationName(), "Ombrel");
    EXPECT_EQ(QCoreApplication::applicationVersion(), OMBREL_VERSION_TEXT);
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    ombrel::OmbrelApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
