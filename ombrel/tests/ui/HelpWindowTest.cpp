// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// The manual's window: its pictures of the board are there (drawn when the
// game is built), its section links and Back button work, and its colours
// come from the palette.

#include "HelpWindow.h"
#include "Main.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace ombrel;

namespace {

QString ManualText()
{
    QFile file(TMainForm::HelpFilePath());
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromUtf8(file.readAll());
}

QStringList Matches(const QString &text, const char *pattern)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext())
        found << it.next().captured(1);
    return found;
}

// The anchor names the browser knows in its document.
QStringList AnchorNames(const QTextDocument &document)
{
    QStringList names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            names << it.fragment().charFormat().anchorNames();
    return names;
}

class HelpWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(TMainForm::HelpFilePath().isEmpty());
        help.Open(TMainForm::HelpFilePath());
        help.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    }
    QAction *action(const char *name) { return help.findChild<QAction *>(name); }

    HelpWindow help;
};

TEST_F(HelpWindowTest, everyPictureOfTheBoardIsThereAtOneAndTwoTimes)
{
    const QDir folder = QFileInfo(TMainForm::HelpFilePath()).dir();
    const QStringList pictures = Matches(ManualText(), "<img src=\"(board-[a-z-]+)\\.png\"");
    ASSERT_GE(pictures.size(), 4);
    for (const QString &name : pictures) {
        const QImage one(folder.filePath(name + ".png"));
        const QImage two(folder.filePath(name + "@2x.png"));
        ASSERT_FALSE(one.isNull()) << name.toStdString();
        ASSERT_FALSE(two.isNull()) << name.toStdString();
        EXPECT_EQ(two.size(), one.size() * 2) << name.toStdString();
        // Drawn on a transparent ground, so a dark page shows through.
        EXPECT_EQ(qAlpha(one.pixel(one.width() - 1, one.height() / 2)), 0);
    }
}

TEST_F(HelpWindowTest, theOpeningPictureShowsBothPlayersHouses)
{
    const QDir folder = QFileInfo(TMainForm::HelpFilePath()).dir();
    const QImage opening(folder.filePath("board-opening.png"));
    const QImage move(folder.filePath("board-move.png"));
    ASSERT_FALSE(opening.isNull());
    // The centre of house 0 (bottom left) and of house 11 (top left) is
    // painted; the two boards differ, as the move changed the seeds.
    EXPECT_GT(qAlpha(opening.pixel(36, 158)), 200);
    EXPECT_GT(qAlpha(opening.pixel(36, 86)), 200);
    EXPECT_NE(opening, move);
}

TEST_F(HelpWindowTest, everySectionLinkLeadsToAnAnchor)
{
    const QStringList links = Matches(ManualText(), "href=\"#(\\w+)\"");
    ASSERT_GE(links.size(), 6);
    const QStringList anchors = AnchorNames(*help.Browser()->document());
    for (const QString &link : links)
        EXPECT_TRUE(anchors.contains(link)) << link.toStdString();
}

TEST_F(HelpWindowTest, aSectionLinkScrollsAndBackReturns)
{
    QScrollBar *bar = help.Browser()->verticalScrollBar();
    ASSERT_EQ(bar->value(), 0);
    QAction *back = action("HelpBack");
    ASSERT_NE(back, nullptr);
    EXPECT_FALSE(back->isEnabled());

    QUrl section = help.Browser()->source();
    section.setFragment("setup");
    help.Browser()->setSource(section);
    EXPECT_GT(bar->value(), 0);
    EXPECT_TRUE(back->isEnabled());

    back->trigger();
    EXPECT_EQ(bar->value(), 0);
    EXPECT_FALSE(back->isEnabled());
}

TEST_F(HelpWindowTest, theManualTakesItsColoursFromThePalette)
{
    QPalette dark;
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    help.Browser()->setPalette(dark);
    help.setPalette(dark);
    const QString style = help.Browser()->document()->defaultStyleSheet();
    EXPECT_TRUE(style.contains("color: #eeeeee")) << style.toStdString();
    EXPECT_TRUE(style.contains("background-color: #202020"));

    // Headings and captions read on the dark ground: clearly lighter than it.
    const QRegularExpression heading("h2, h3 \\{ color: (#[0-9a-f]{6}); \\}");
    const QRegularExpressionMatch m = heading.match(style);
    ASSERT_TRUE(m.hasMatch());
    EXPECT_GT(QColor(m.captured(1)).lightnessF(), 0.6);
    // The manual itself sets no colour that could fight the palette.
    EXPECT_FALSE(ManualText().contains(QRegularExpression("color:|bgcolor=")));
}

// Escape and Ctrl+W close the window, wherever the focus is in it.
TEST_F(HelpWindowTest, escapeAndCtrlWClose)
{
    const struct
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } keys[] = {{Qt::Key_Escape, Qt::NoModifier}, {Qt::Key_W, Qt::ControlModifier}};
    for (const auto &k : keys) {
        help.show();
        help.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
        help.Browser()->setFocus();
        QTest::keyClick(help.Browser(), k.key, k.modifiers);
        EXPECT_FALSE(help.isVisible()) << k.key;
    }
    EXPECT_TRUE(QKeySequence::keyBindings(QKeySequence::Close).contains(QKeySequence("Ctrl+W")));
}

// The German and French manuals lie beside the English one, with the same
// pictures and the same sections.
TEST(HelpTranslations, everyManualHasTheSamePicturesAndSections)
{
    const QString english = TMainForm::HelpFilePath();
    const QString text = ManualText();
    for (const QLocale::Language language : {QLocale::German, QLocale::French}) {
        const QString path = HelpWindow::ManualFor(english, QLocale(language));
        ASSERT_NE(path, english);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QString translated = QString::fromUtf8(file.readAll());
        for (const char *pattern : {"<img src=\"([^\"]+)\"", "href=\"#(\\w+)\"", "name=\"(\\w+)\""})
            EXPECT_EQ(Matches(translated, pattern), Matches(text, pattern))
                << path.toStdString() << " " << pattern;
        EXPECT_TRUE(translated.contains("ombrel-game 1")) << path.toStdString();
    }
}

TEST(HelpTranslations, aLanguageWithoutAManualFallsBackToEnglish)
{
    const QString english = TMainForm::HelpFilePath();
    EXPECT_EQ(HelpWindow::ManualFor(english, QLocale(QLocale::English)), english);
    EXPECT_EQ(HelpWindow::ManualFor(english, QLocale(QLocale::Spanish)), english);
    EXPECT_TRUE(HelpWindow::ManualFor(english, QLocale(QLocale::German, QLocale::Switzerland))
                    .endsWith("/ombrel_de.html"));
}

TEST(HelpTranslations, theWindowOpensTheManualInTheProgramsLanguage)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    HelpWindow help;
    help.Open(TMainForm::HelpFilePath());
    QLocale::setDefault(before);
    EXPECT_TRUE(help.Browser()->source().path().endsWith("/ombrel_fr.html"));
    EXPECT_EQ(help.Browser()->documentTitle(), QString::fromUtf8("Aide d’Ombrel"));
}

TEST(HelpStyle, lightAndDarkPalettesGiveReadableHeadings)
{
    for (const bool dark : {false, true}) {
        QPalette palette;
        palette.setColor(QPalette::Base, dark ? QColor(0x1e, 0x1e, 0x1e) : Qt::white);
        palette.setColor(QPalette::Text, dark ? Qt::white : Qt::black);
        const QString style = HelpWindow::StyleFor(palette);
        const QRegularExpressionMatch m =
            QRegularExpression("h1 \\{ color: (#[0-9a-f]{6}); \\}").match(style);
        ASSERT_TRUE(m.hasMatch());
        const qreal contrast = std::abs(QColor(m.captured(1)).lightnessF() -
                                        palette.color(QPalette::Base).lightnessF());
        EXPECT_GT(contrast, 0.4) << (dark ? "dark" : "light");
    }
}

} // namespace
