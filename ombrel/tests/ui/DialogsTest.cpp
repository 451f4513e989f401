// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "MainFormFixture.h"
#include "ui/About.h"
#include "ui/speed.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <functional>

using ombrel::TSpeedDlg;

namespace {

// Runs `step` on the dialog once its modal loop runs, then makes sure the
// dialog is closed so that a failing step cannot hang the test.
void whileModal(std::function<void(QDialog &)> step)
{
    QTimer::singleShot(0, [step] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        step(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

struct Opened
{
    int position = -1;
    QString number;
};

} // namespace

class SpeedDialog : public MainFormFixture
{
protected:
    // Opens Options > Animation speed..., notes what it shows, moves the bar
    // to `moveTo` (unless negative) and leaves with `leave`.
    Opened openSpeed(int moveTo, const std::function<void(TSpeedDlg &)> &leave)
    {
        Opened seen;
        whileModal([&](QDialog &dialog) {
            auto &speed = static_cast<TSpeedDlg &>(dialog);
            seen = {speed.GetSpeed(), ombrel::test::SpeedParts(speed).Label1->text()};
            if (moveTo >= 0)
                ombrel::test::SpeedParts(speed).TrackBar1->setValue(moveTo);
            leave(speed);
        });
        ui().SpeedAction->trigger();
        return seen;
    }
    static void pressOk(TSpeedDlg &dialog)
    {
        QTest::mouseClick(ombrel::test::SpeedParts(dialog).OK, Qt::LeftButton);
    }
    static void pressCancel(TSpeedDlg &dialog)
    {
        QTest::mouseClick(ombrel::test::SpeedParts(dialog).Cancel, Qt::LeftButton);
    }
    int interval() { return form->MoveTimer().interval(); }
};

TEST(SpeedMapping, everyPositionComesBackFromItsInterval)
{
    for (int speed = 0; speed <= TSpeedDlg::MaxSpeed; ++speed)
        EXPECT_EQ(TSpeedDlg::SpeedForInterval(TSpeedDlg::IntervalForSpeed(speed)), speed);
    EXPECT_EQ(TSpeedDlg::IntervalForSpeed(0), 700);
    EXPECT_EQ(TSpeedDlg::IntervalForSpeed(100), 100);
    EXPECT_EQ(TSpeedDlg::SpeedForInterval(220), 80);
    // Intervals the dialog never sets still show on the bar, at its ends.
    EXPECT_EQ(TSpeedDlg::SpeedForInterval(5000), 0);
    EXPECT_EQ(TSpeedDlg::SpeedForInterval(1), 100);
}

TEST(SpeedDlgForm, numberFollowsTheBarAndStaysInRange)
{
    TSpeedDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Set speed");
    EXPECT_TRUE(
        ombrel::test::SpeedParts(dialog).TrackBar1->toolTip().isEmpty()); // the bar has no hint
    EXPECT_EQ(ombrel::test::SpeedParts(dialog).TrackBar1->pageStep(), 20);
    EXPECT_EQ(ombrel::test::SpeedParts(dialog).TrackBar1->tickInterval(), 5);
    EXPECT_EQ(ombrel::test::SpeedParts(dialog).TrackBar1->tickPosition(), QSlider::TicksBelow);
    EXPECT_TRUE(ombrel::test::SpeedParts(dialog).OK->isDefault());
    dialog.SetSpeed(37);
    EXPECT_EQ(dialog.GetSpeed(), 37);
    EXPECT_EQ(ombrel::test::SpeedParts(dialog).Label1->text(), "37");
    QTest::keyClick(ombrel::test::SpeedParts(dialog).TrackBar1, Qt::Key_PageUp);
    EXPECT_EQ(dialog.GetSpeed(), 57);
    EXPECT_EQ(ombrel::test::SpeedParts(dialog).Label1->text(), "57");
    dialog.SetSpeed(250);
    EXPECT_EQ(dialog.GetSpeed(), 100);
    EXPECT_EQ(ombrel::test::SpeedParts(dialog).Label1->text(), "100");
    dialog.SetSpeed(-3);
    EXPECT_EQ(ombrel::test::SpeedParts(dialog).Label1->text(), "0");
}

TEST_F(SpeedDialog, firstOpeningShowsEightyAndOkKeepsTheInterval)
{
    const Opened seen = openSpeed(-1, pressOk);
    EXPECT_EQ(seen.position, 80);
    EXPECT_EQ(seen.number, "80");
    EXPECT_EQ(interval(), 220);
    EXPECT_FALSE(form->SpeedDlg().isVisible());
}

TEST_F(SpeedDialog, everyPositionOpensAndConfirmsToTheSameInterval)
{
    for (int speed = 0; speed <= TSpeedDlg::MaxSpeed; ++speed) {
        openSpeed(speed, pressOk);
        ASSERT_EQ(interval(), 700 - 6 * speed);
        const Opened again = openSpeed(-1, pressOk);
        EXPECT_EQ(again.position, speed);
        EXPECT_EQ(interval(), 700 - 6 * speed);
    }
}

TEST_F(SpeedDialog, cancelEscapeAndCloseChangeNothing)
{
    const std::function<void(TSpeedDlg &)> leaves[] = {
        pressCancel,
        [](TSpeedDlg &d) { QTest::keyClick(&d, Qt::Key_Escape); },
        [](TSpeedDlg &d) { d.close(); },
    };
    for (const auto &leave : leaves) {
        openSpeed(5, leave);
        EXPECT_EQ(interval(), 220);
        // The next opening shows the timer's speed, not the cancelled one.
        EXPECT_EQ(openSpeed(-1, pressCancel).position, 80);
    }
}

TEST_F(SpeedDialog, enterConfirmsTheMovedBar)
{
    openSpeed(0, [](TSpeedDlg &d) { QTest::keyClick(&d, Qt::Key_Return); });
    EXPECT_EQ(interval(), 700);
}

TEST_F(SpeedDialog, changeDuringAMoveAppliesToTheRestOfIt)
{
    clickBoard(houseCentre(2));
    ASSERT_TRUE(form->MoveTimer().isActive());
    openSpeed(100, pressOk);
    EXPECT_EQ(interval(), 100);
    EXPECT_TRUE(form->MoveTimer().isActive());
    runToRest();
    EXPECT_EQ(interval(), 100);
}

class AboutBoxTest : public MainFormFixture
{
};

TEST_F(AboutBoxTest, showsTheProgramsOwnVersionAndTheLink)
{
    const ombrel::test::AboutParts about(form->AboutBox());
    EXPECT_EQ(form->AboutBox().windowTitle(), "About Ombrel");
    EXPECT_EQ(about.ProductName->text(), "Ombrel");
    EXPECT_EQ(about.VersionLabel1->text(), "Version " OMBREL_VERSION_TEXT);
    EXPECT_EQ(about.URLStatic1->text(), "Visit the Corvanel homepage");
    EXPECT_EQ(about.URLStatic1->GetURL(), "https://corvanel.example/");
    EXPECT_EQ(about.URLStatic1->toolTip(), "https://corvanel.example/");
    EXPECT_EQ(about.NoticeLabel->toolTip(), "https://corvanel.example/");
    EXPECT_FALSE(about.ProgramIcon->pixmap().isNull());
    EXPECT_TRUE(about.OKButton->isDefault());
    EXPECT_FALSE(form->AboutBox().isVisible());
}

// Panel1 is a sunken box: the outer bevel lowered (dark above and left,
// light below and right), the inner one raised (the other way round).
TEST_F(AboutBoxTest, panelHasALoweredOuterAndARaisedInnerBevel)
{
    QFrame *panel = ombrel::test::AboutParts(form->AboutBox()).Panel1;
    form->AboutBox().ensurePolished();
    panel->resize(281, 129);
    const QImage image = panel->grab().toImage();
    const qreal dpr = image.devicePixelRatio();
    const auto at = [&](int x, int y) { return image.pixel(int(x * dpr), int(y * dpr)); };
    const int r = panel->width() - 1, b = panel->height() - 1;
    const QRgb dark = panel->palette().color(QPalette::Dark).rgb();
    const QRgb light = panel->palette().color(QPalette::Light).rgb();
    EXPECT_EQ(panel->frameWidth(), 2);
    EXPECT_EQ(at(0, 20), dark);  // outer left
    EXPECT_EQ(at(20, 0), dark);  // outer top
    EXPECT_EQ(at(r, 20), light); // outer right
    EXPECT_EQ(at(20, b), light); // outer bottom
    EXPECT_EQ(at(1, 20), light); // inner left
    EXPECT_EQ(at(20, 1), light); // inner top
    EXPECT_EQ(at(r - 1, 20), dark);
    EXPECT_EQ(at(20, b - 1), dark);
}

TEST_F(AboutBoxTest, helpAboutShowsTheSameBoxEveryTime)
{
    const ombrel::test::AboutParts about(form->AboutBox());
    for (int round = 0; round < 2; ++round) {
        QString shown;
        whileModal([&](QDialog &dialog) {
            EXPECT_EQ(&dialog, &form->AboutBox());
            shown = about.VersionLabel1->text();
            QTest::mouseClick(about.OKButton, Qt::LeftButton);
        });
        ui().HelpAboutItem->trigger();
        EXPECT_EQ(shown, "Version " OMBREL_VERSION_TEXT);
        EXPECT_FALSE(form->AboutBox().isVisible());
    }
}

TEST_F(AboutBoxTest, linkOpensOnPressAndTheBoxStaysOpen)
{
    QList<QUrl> opened;
    const auto previous = corvanel::TURLStatic::SetOpener([&](const QUrl &url) {
        opened.append(url);
        return true;
    });
    const ombrel::test::AboutParts about(form->AboutBox());
    bool stillOpen = false;
    whileModal([&](QDialog &dialog) {
        QTest::mousePress(about.URLStatic1, Qt::LeftButton);
        stillOpen = dialog.isVisible();
        QTest::mouseRelease(about.URLStatic1, Qt::LeftButton);
    });
    ui().HelpAboutItem->trigger();
    corvanel::TURLStatic::SetOpener(previous);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.front(), QUrl("https://corvanel.example/"));
    EXPECT_TRUE(stillOpen);
}

// The box opens on OK, so Return still closes it; Shift+Tab goes to the link,
// where Return opens the home page and Escape still closes the box.
TEST_F(AboutBoxTest, theLinkIsAStopForTheKeyboard)
{
    QList<QUrl> opened;
    const auto previous = corvanel::TURLStatic::SetOpener([&](const QUrl &url) {
        opened.append(url);
        return true;
    });
    const ombrel::test::AboutParts about(form->AboutBox());
    bool okFirst = false, linkNext = false, openAfterReturn = false, openAfterEscape = true;
    whileModal([&](QDialog &dialog) {
        dialog.activateWindow();
        if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }))
            return;
        okFirst = about.OKButton->hasFocus();
        QTest::keyClick(about.OKButton, Qt::Key_Backtab, Qt::ShiftModifier);
        linkNext = about.URLStatic1->hasFocus();
        QTest::keyClick(about.URLStatic1, Qt::Key_Return);
        openAfterReturn = dialog.isVisible();
        QTest::keyClick(about.URLStatic1, Qt::Key_Escape);
        openAfterEscape = dialog.isVisible();
    });
    ui().HelpAboutItem->trigger();
    corvanel::TURLStatic::SetOpener(previous);
    EXPECT_TRUE(okFirst);
    EXPECT_TRUE(linkNext);
    EXPECT_EQ(opened, QList<QUrl>{QUrl("https://corvanel.example/")});
    EXPECT_TRUE(openAfterReturn);
    EXPECT_FALSE(openAfterEscape);
}

// The game reads no command line: unknown arguments cost a line on stderr,
// never the game (--check still runs and reports).
TEST(GameExecutable, startsWhateverTheCommandLine)
{
    for (const QStringList &arguments :
         {QStringList{"--bogus", "--check"}, QStringList{"-x", "file.txt", "--check"}}) {
        QProcess game;
        game.start(OMBREL_EXECUTABLE, arguments);
        ASSERT_TRUE(game.waitForFinished(300000));
        EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(game.exitCode(), 0) << arguments.join(' ').toStdString();
        EXPECT_TRUE(game.readAllStandardOutput().contains("version: "));
        const QByteArray errors = game.readAllStandardError();
        EXPECT_EQ(errors.count("ombrel: "), 1) << errors.toStdString();
    }
}

TEST(GameExecutable, carriesItsVersion)
{
    corvanel::TVersionLabel label;
    label.SetFileName(OMBREL_EXECUTABLE);
    EXPECT_EQ(label.GetVersion(), OMBREL_VERSION_TEXT);
}

// The command line names the game file it takes, with the bounds a file must keep.
TEST(GameExecutable, helpNamesTheGameFileAndItsBounds)
{
    QProcess game;
    game.start(OMBREL_EXECUTABLE, {"--help"});
    ASSERT_TRUE(game.waitForFinished(300000));
    const QByteArray help = game.readAllStandardOutput();
    for (const char *part : {"[file]", "1 MiB", "256 characters", "10,000", "9999 seeds"})
        EXPECT_TRUE(help.contains(part)) << part << "\n" << help.toStdString();
}
