// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/ComponentLoader.h>
#include <corvanel/URLStatic.h>
#include <corvanel/Version.h>

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

using corvanel::TURLStatic;

namespace {

const QString kHome = QStringLiteral("https://corvanel.example/");

// Counts the presses that reach it, i.e. those a label leaves alone.
class Form : public QWidget
{
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

class HyperlinkLabel : public ::testing::Test
{
protected:
    void SetUp() override
    {
        previous = TURLStatic::SetOpener([this](const QUrl &url) {
            opened << url;
            return opens;
        });
        link = new TURLStatic(&form);
        link->setText("Visit the Corvanel homepage");
        link->SetURL(kHome);
        link->resize(160, 20);
    }
    void TearDown() override { TURLStatic::SetOpener(previous); }

    TURLStatic::Opener previous;
    QList<QUrl> opened;
    bool opens = true;
    Form form;
    TURLStatic *link = nullptr;
};

TEST_F(HyperlinkLabel, leftPressOpensAtOnceAndReleaseDoesNot)
{
    QTest::mousePress(link, Qt::LeftButton);
    EXPECT_EQ(opened, QList<QUrl>{QUrl(kHome)});
    QTest::mouseRelease(link, Qt::LeftButton);
    EXPECT_EQ(opened.size(), 1);
    EXPECT_EQ(form.presses, 0);
}

TEST_F(HyperlinkLabel, everyPressOpensAgainEvenWhenOpeningFails)
{
    opens = false;
    QTest::mouseClick(link, Qt::LeftButton);
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(opened.size(), 2);
}

TEST_F(HyperlinkLabel, doubleClickOpensOnce)
{
    // What a window system delivers: press, release, double click, release.
    QTest::mouseClick(link, Qt::LeftButton);
    const QPointF at(link->rect().center());
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, at, link->mapToGlobal(at), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(link, &doubleClick);
    QTest::mouseRelease(link, Qt::LeftButton);
    EXPECT_EQ(opened.size(), 1);
}

TEST_F(HyperlinkLabel, otherButtonsActAsOnAPlainLabel)
{
    QTest::mouseClick(link, Qt::RightButton);
    QTest::mouseClick(link, Qt::MiddleButton);
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(form.presses, 2);
}

TEST_F(HyperlinkLabel, newURLOpensNextWithoutTouchingTheCaption)
{
    link->SetURL("https://corvanel.example/ombrel");
    EXPECT_EQ(link->text(), "Visit the Corvanel homepage");
    EXPECT_EQ(link->property("URL").toString(), "https://corvanel.example/ombrel");
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(opened, QList<QUrl>{QUrl("https://corvanel.example/ombrel")});
}

TEST_F(HyperlinkLabel, emptyURLOpensNothing)
{
    TURLStatic fresh;
    EXPECT_EQ(fresh.GetURL(), "");
    QTest::mouseClick(&fresh, Qt::LeftButton);
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(HyperlinkLabel, localPathOpensAsAFile)
{
    link->SetURL(QDir::tempPath());
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(QDir::tempPath()));
}

TEST_F(HyperlinkLabel, looksLikeALink)
{
    form.setFont(QFont("DejaVu Serif", 14, QFont::Bold));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(link->palette().color(QPalette::Active, QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(link->palette().color(QPalette::Inactive, QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(link->font().family(), "Arial");
    EXPECT_TRUE(link->font().underline());
    EXPECT_FALSE(link->font().bold());
    EXPECT_FALSE(link->font().italic());
    EXPECT_FALSE(link->font().strikeOut());
    EXPECT_EQ(link->font().pointSize(), 14); // the size follows the form
    EXPECT_FALSE(link->autoFillBackground());
}

// The default opener hands the address to QDesktopServices.
class SchemeHandler : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

TEST_F(HyperlinkLabel, defaultOpenerGoesThroughTheDesktop)
{
    SchemeHandler handler;
    QDesktopServices::setUrlHandler("ombrel-test", &handler, "open");
    TURLStatic::SetOpener({});
    link->SetURL("ombrel-test:about");
    QTest::mouseClick(link, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("ombrel-test");
    EXPECT_EQ(handler.urls, QList<QUrl>{QUrl("ombrel-test:about")});
    EXPECT_TRUE(opened.isEmpty());
}

// The keyboard: Tab stops on the link, and the keys that press a button open
// it; a click does not take the focus from where it was.
class HyperlinkKeys : public HyperlinkLabel
{
protected:
    void SetUp() override
    {
        HyperlinkLabel::SetUp();
        auto *layout = new QVBoxLayout(&form);
        layout->addWidget(before);
        layout->addWidget(link);
        layout->addWidget(after);
        QWidget::setTabOrder(before, link);
        QWidget::setTabOrder(link, after);
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        before->setFocus();
    }

    QPushButton *before = new QPushButton("Before", &form);
    QPushButton *after = new QPushButton("After", &form);
};

TEST_F(HyperlinkKeys, tabStopsOnTheLinkAndAClickLeavesTheFocus)
{
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_TRUE(before->hasFocus());
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_TRUE(link->hasFocus());
    QTest::keyClick(link, Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());
    QTest::keyClick(after, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(link->hasFocus());
}

TEST_F(HyperlinkKeys, returnEnterAndSpaceOpenOtherKeysDoNot)
{
    const struct
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool opens;
    } cases[] = {
        {Qt::Key_Return, Qt::NoModifier, true},    {Qt::Key_Enter, Qt::KeypadModifier, true},
        {Qt::Key_Space, Qt::NoModifier, true},     {Qt::Key_Return, Qt::ControlModifier, false},
        {Qt::Key_Space, Qt::ShiftModifier, false}, {Qt::Key_A, Qt::NoModifier, false},
        {Qt::Key_Escape, Qt::NoModifier, false},
    };
    link->setFocus(Qt::TabFocusReason);
    for (const auto &c : cases) {
        opened.clear();
        QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers);
        QApplication::sendEvent(link, &press);
        EXPECT_EQ(opened.size(), c.opens ? 1 : 0) << c.key;
        // What the link does not use goes on to the window (Escape, OK).
        EXPECT_EQ(press.isAccepted(), c.opens) << c.key;
    }
    EXPECT_TRUE(opened.isEmpty() || opened.back() == QUrl(kHome));
}

TEST_F(HyperlinkKeys, aHeldKeyOpensOnce)
{
    link->setFocus(Qt::TabFocusReason);
    QTest::keyPress(link, Qt::Key_Space);
    for (int i = 0; i < 3; ++i) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
        QApplication::sendEvent(link, &repeat);
        EXPECT_TRUE(repeat.isAccepted());
    }
    QTest::keyRelease(link, Qt::Key_Space);
    EXPECT_EQ(opened, QList<QUrl>{QUrl(kHome)});
}

// The focus frame is in the palette's highlight colour, along the edge, and
// only while the link has the focus.
TEST_F(HyperlinkKeys, focusShowsAFrameInTheHighlightColour)
{
    QPalette marked = link->palette();
    marked.setColor(QPalette::Highlight, QColor(255, 0, 128));
    link->setPalette(marked);
    link->setText("Link");
    const auto highlighted = [&] {
        const QImage image = link->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == QColor(255, 0, 128);
        return std::pair{count, image.pixelColor(image.width() / 2, 0)};
    };
    EXPECT_EQ(highlighted().first, 0);
    link->setFocus(Qt::TabFocusReason);
    const auto [count, topMiddle] = highlighted();
    EXPECT_GE(count, 2 * (link->width() + link->height()) - 4);
    EXPECT_EQ(topMiddle, QColor(255, 0, 128));
    before->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(highlighted().first, 0);
}

// Renders the pair as the About box will show them, for a look by eye
// (written to OMBREL_SCREENSHOT_DIR when set), and checks the link is drawn
// in its blue.
TEST(HyperlinkPicture, linkIsDrawnInBlue)
{
    QWidget form;
    QPalette white = form.palette();
    white.setColor(QPalette::Window, Qt::white);
    form.setPalette(white);
    form.setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(&form);
    auto *version = new corvanel::TVersionLabel(&form);
    version->setAlignment(Qt::AlignCenter);
    auto *link = new TURLStatic(&form);
    link->setText("Visit the Corvanel homepage");
    link->setAlignment(Qt::AlignCenter);
    layout->addWidget(version);
    layout->addWidget(link);
    form.resize(220, 70);
    corvanel::loadComponents(&form);
    ASSERT_EQ(version->text(), "Version " OMBREL_VERSION_TEXT);
    const QImage picture = form.grab().toImage();
    const QString dir = qEnvironmentVariable("OMBREL_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        picture.save(QDir(dir).filePath("version-and-link.png"));

    const QImage linkPicture = link->grab().toImage();
    int blue = 0;
    for (int y = 0; y < linkPicture.height(); ++y)
        for (int x = 0; x < linkPicture.width(); ++x)
            blue += linkPicture.pixelColor(x, y) == QColor(0, 0, 255);
    EXPECT_GT(blue, 20); // at least the underline
}

} // namespace

#include "URLStaticTest.moc"
