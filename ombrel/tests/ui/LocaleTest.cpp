// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// The game in German and French: every text of the window, its dialogs, the
// manual's window and the controller's messages is translated, and fits where
// it is shown at the window's fixed size.

#include "MainFormFixture.h"
#include "controller/GameText.h"
#include "record/GameFileError.h"
#include "ui/About.h"
#include "ui/BoardTexts.h"
#include "ui/HelpWindow.h"
#include "ui/Main.h"
#include "ui/Translations.h"
#include "ui/speed.h"

#include <QAbstractButton>
#include <QDir>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTextBrowser>
#include <QToolButton>

#include <map>
#include <set>

using namespace ombrel;

namespace {

// Texts that are the same word in a language as in English.
const std::map<QString, std::set<QString>> SameInLanguage = {
    {"de", {"OK"}},
    {"fr", {"OK", "&Options"}},
};

bool NeedsNoTranslation(const QString &language, const QString &text)
{
    static const QRegularExpression numberOrName(
        QStringLiteral("^(\\d*|Ombrel|Version [0-9.]+|https?://.*)$"));
    if (numberOrName.match(text).hasMatch())
        return true;
    const auto same = SameInLanguage.find(language);
    return same != SameInLanguage.end() && same->second.count(text) > 0;
}

// Every text a person can see on a window, keyed by where it is.
using TextMap = std::map<QString, QString>;

void AddWidgetTexts(const QWidget &window, TextMap &texts)
{
    const QString w = window.objectName();
    texts[w + ".windowTitle"] = window.windowTitle();
    for (const QAction *action : window.findChildren<QAction *>()) {
        if (action->objectName().isEmpty() || action->isSeparator())
            continue;
        const QString key = w + "/" + action->objectName();
        texts[key + ".text"] = action->text();
        texts[key + ".toolTip"] = action->toolTip();
        texts[key + ".statusTip"] = action->statusTip();
    }
    for (const QMenu *menu : window.findChildren<QMenu *>()) {
        texts[w + "/" + menu->objectName() + ".title"] = menu->title();
        texts[w + "/" + menu->objectName() + ".statusTip"] = menu->statusTip();
    }
    for (const QToolButton *button : window.findChildren<QToolButton *>())
        if (!button->objectName().isEmpty())
            texts[w + "/" + button->objectName() + ".toolTip"] = button->toolTip();
    for (const QLabel *label : window.findChildren<QLabel *>())
        texts[w + "/" + label->objectName() + ".text"] = label->text();
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>())
        if (!qobject_cast<const QToolButton *>(button))
            texts[w + "/" + button->objectName() + ".text"] = button->text();
    for (const QGroupBox *box : window.findChildren<QGroupBox *>())
        texts[w + "/" + box->objectName() + ".title"] = box->title();
}

QString Translated(const GameText &text)
{
    const QString t = QCoreApplication::translate(GameText::Context, text.Source());
    return t.contains("%1") ? t.arg(text.number()) : t;
}

bool IsStatusText(GameText::Id id)
{
    return int(id) <= int(GameText::Id::SetupHelp);
}

// Room for a text on the status line: its width less the frame and margins
// that QStatusBar keeps round a message.
int StatusRoom(const QStatusBar &bar)
{
    return bar.width() - 8;
}

class Localised : public ::testing::TestWithParam<const char *>
{
protected:
    void SetUp() override
    {
        english = std::make_unique<TMainForm>();
        english->show(); // a shown toolbar has its extension button, as the other
        ASSERT_TRUE(Translations::Install(*qApp, QLocale(GetParam())).startsWith(language()));
        form = std::make_unique<TMainForm>();
        form->setMessageHandler([this](const QString &text, const QString &caption,
                                       MessageButtons buttons, MessageIcon) {
            boxes.push_back({text, caption});
            return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
        });
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void TearDown() override
    {
        form.reset();
        english.reset();
        Translations::Install(*qApp, QLocale(QLocale::English, QLocale::UnitedStates));
    }
    QString language() const { return QString(GetParam()).left(2); }

    // Reports every text of `translated` that is still the English of `source`.
    void ExpectTranslated(const TextMap &source, const TextMap &translated)
    {
        for (const auto &[where, text] : translated)
            EXPECT_TRUE(source.count(where)) << where.toStdString();
        for (const auto &[where, text] : source) {
            ASSERT_TRUE(translated.count(where)) << where.toStdString();
            if (NeedsNoTranslation(language(), text))
                continue;
            EXPECT_NE(translated.at(where), text) << where.toStdString() << " is still English";
        }
    }

    std::unique_ptr<TMainForm> english;
    std::unique_ptr<TMainForm> form;
    std::vector<std::pair<QString, QString>> boxes;
};

TEST_P(Localised, everyTextOfTheWindowAndItsDialogsIsTranslated)
{
    TextMap source, translated;
    for (const QWidget *w :
         {static_cast<QWidget *>(english.get()), static_cast<QWidget *>(&english->AboutBox()),
          static_cast<QWidget *>(&english->SpeedDlg())})
        AddWidgetTexts(*w, source);
    for (const QWidget *w :
         {static_cast<QWidget *>(form.get()), static_cast<QWidget *>(&form->AboutBox()),
          static_cast<QWidget *>(&form->SpeedDlg())})
        AddWidgetTexts(*w, translated);
    source["status"] = test::MainParts(*english).StatusLine->currentMessage();
    translated["status"] = test::MainParts(*form).StatusLine->currentMessage();
    ExpectTranslated(source, translated);
}

TEST_P(Localised, theManualsWindowIsTranslated)
{
    TextMap translated;
    AddWidgetTexts(HelpWindow(), translated);
    Translations::Install(*qApp, QLocale(QLocale::English, QLocale::UnitedStates));
    TextMap source;
    AddWidgetTexts(HelpWindow(), source);
    ExpectTranslated(source, translated);
}

TEST_P(Localised, everyTextOfTheGameIsTranslated)
{
    for (int i = 0; i < GameText::Count; ++i) {
        const GameText text(GameText::Id(i), 2);
        if (NeedsNoTranslation(language(), QString::fromUtf8(text.Source())))
            continue;
        EXPECT_NE(Translated(text).toStdString(), text.English()) << text.Source();
        // The number is filled into the sentence, not lost or glued on.
        if (QByteArray(text.Source()).contains("%1")) {
            EXPECT_TRUE(Translated(text).contains("2")) << text.Source();
        }
    }
}

// What a damaged game file is refused with, and the line it names.
TEST_P(Localised, everyFaultOfAGameFileIsTranslated)
{
    for (int i = 1; i < GameFileError::CodeCount; ++i) {
        const char *source = GameFileError::Source(GameFileError::Code(i));
        const QString translated = QCoreApplication::translate(GameFileError::Context, source);
        EXPECT_NE(translated.toStdString(), source);
        EXPECT_EQ(translated.contains("%1"), QByteArray(source).contains("%1")) << source;
    }
    const QString line =
        QCoreApplication::translate(GameFileError::Context, GameFileError::LineSource());
    EXPECT_NE(line.toStdString(), GameFileError::LineSource());
    EXPECT_TRUE(line.contains("%1") && line.contains("%2")) << line.toStdString();
}

TEST_P(Localised, theBoardsNamesAndTooltipsAreTranslated)
{
    const auto texts = [] {
        QStringList all{BoardTexts::BoardName(), BoardTexts::StoreDescription(0),
                        BoardTexts::StoreDescription(1)};
        for (int count : {1, 9})
            all << BoardTexts::HouseName(0, count) << BoardTexts::StoreName(1, count);
        for (int house : {0, 11})
            all << BoardTexts::HouseDescription(house);
        return all;
    };
    const QStringList translated = texts();
    Translations::Install(*qApp, QLocale(QLocale::English, QLocale::UnitedStates));
    const QStringList source = texts();
    ASSERT_EQ(source.size(), translated.size());
    for (qsizetype i = 0; i < source.size(); ++i)
        EXPECT_NE(translated[i], source[i]) << source[i].toStdString() << " is still English";
    // The counts and the player are filled into the sentence.
    Translations::Install(*qApp, QLocale(GetParam()));
    EXPECT_TRUE(BoardTexts::HouseName(1, 9).contains("9"));
    EXPECT_TRUE(BoardTexts::HouseName(1, 9).contains("2"));
}

TEST_P(Localised, everyStatusTextFitsTheStatusLine)
{
    const QStatusBar &bar = *test::MainParts(*form).StatusLine;
    const QFontMetrics metrics(bar.font());
    QStringList texts{bar.currentMessage()};
    for (int i = 0; i < GameText::Count; ++i)
        if (IsStatusText(GameText::Id(i)))
            texts << Translated(GameText(GameText::Id(i), 2));
    for (const QAction *action : form->findChildren<QAction *>())
        texts << action->statusTip();
    for (const QString &text : texts)
        EXPECT_LE(metrics.horizontalAdvance(text), StatusRoom(bar)) << text.toStdString();
}

// Beside the score line the status text wraps, and every text, the hints
// with the longest house names among them, keeps to the lines kept for it.
TEST_P(Localised, everyStatusTextFitsBesideTheScoreLine)
{
    const auto *label = form->findChild<QLabel *>("StatusText");
    ASSERT_NE(label, nullptr);
    const auto *score = form->findChild<QLabel *>("ScoreLine");
    ASSERT_NE(score, nullptr);
    const QRect scoreRoom = score->contentsRect();
    EXPECT_TRUE(score->text().contains('\n'));
    const QRect scoreNeed = QFontMetrics(score->font()).boundingRect(QRect(), 0, score->text());
    EXPECT_LE(scoreNeed.height(), scoreRoom.height());
    EXPECT_LE(scoreNeed.width(), scoreRoom.width());
    EXPECT_LE(label->geometry().right(), score->geometry().left());
    QStringList texts;
    for (int i = 0; i < GameText::Count; ++i)
        if (IsStatusText(GameText::Id(i)))
            texts << Translated(GameText(GameText::Id(i), 2));
    for (int house = 0; house < HouseCount; ++house) {
        const QString name = BoardTexts::HouseName(1, 20);
        const QString where = BoardTexts::HouseDescription(house);
        texts << TMainForm::tr("Hint: %1. %2.").arg(name, where)
              << TMainForm::tr("Exact hint, proven best: %1. %2.").arg(name, where)
              << TMainForm::tr("The computer plays %1. %2.").arg(name, where);
    }
    const QFontMetrics metrics(label->font());
    const QRect room = label->contentsRect();
    for (const QString &text : texts) {
        const QRect need = metrics.boundingRect(room, Qt::TextWordWrap, text);
        EXPECT_LE(need.height(), room.height()) << text.toStdString();
    }
}

// Labels, buttons and frames of the fixed-size dialogs hold their texts.
TEST_P(Localised, dialogTextsFitTheirControls)
{
    for (QDialog *dialog :
         {static_cast<QDialog *>(&form->SpeedDlg()), static_cast<QDialog *>(&form->AboutBox())}) {
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        for (const QLabel *label : dialog->findChildren<QLabel *>()) {
            if (label->text().isEmpty() || !label->pixmap().isNull())
                continue;
            const QFontMetrics metrics(label->font());
            const QRect room = label->contentsRect();
            const QRect need = metrics.boundingRect(
                room, Qt::TextWordWrap * label->wordWrap() | int(label->alignment()),
                label->text());
            EXPECT_LE(need.width(), room.width()) << label->objectName().toStdString();
            EXPECT_LE(need.height(), room.height()) << label->objectName().toStdString();
        }
        for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>()) {
            const QFontMetrics metrics(button->font());
            EXPECT_LE(metrics.horizontalAdvance(button->text()) + 8, button->width())
                << button->objectName().toStdString();
        }
        for (const QGroupBox *box : dialog->findChildren<QGroupBox *>())
            EXPECT_LE(QFontMetrics(box->font()).horizontalAdvance(box->title()) + 16, box->width());
        EXPECT_LE(QFontMetrics(dialog->font()).horizontalAdvance(dialog->windowTitle()),
                  dialog->width())
            << dialog->objectName().toStdString();
        dialog->hide();
    }
}

TEST_P(Localised, theMenuBarHoldsEveryMenu)
{
    const QMenuBar &bar = *test::MainParts(*form).MainMenu;
    int right = 0;
    for (QAction *menu : bar.actions())
        right = std::max(right, bar.actionGeometry(menu).right());
    EXPECT_LE(right, bar.width());
}

// The texts of a game played in the window reach the player translated.
TEST_P(Localised, theWindowShowsTheGameInTheLanguage)
{
    const test::MainParts parts(*form);
    QTest::mouseClick(form->PaintBox(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(HouseLeft(7) + 36, HouseTop(7) + 36));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].first, Translated(GameText::Id::NotOwner));
    EXPECT_EQ(boxes[0].second, Translated(GameText::Id::CaptionError));
    form->Controller().HumanExecute();
    QTest::mouseClick(form->PaintBox(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(HouseLeft(0) + 36, HouseTop(0) + 36));
    form->MoveTimerTimer(); // each step of the sowing writes the status line
    EXPECT_EQ(parts.StatusLine->currentMessage(),
              Translated(GameText(GameText::Id::PlayerPlaying, 1)));
    while (form->Controller().MoveTimerEnabled())
        form->MoveTimerTimer();
    EXPECT_EQ(parts.StatusLine->currentMessage(),
              Translated(GameText(GameText::Id::PlayerReady, 2)));
    parts.SetupItem->trigger();
    EXPECT_EQ(parts.StatusLine->currentMessage(), Translated(GameText::Id::SetupHelp));

    form->setHelpFile("/nonexistent/ombrel.html");
    parts.HelpContents->trigger();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_FALSE(boxes[1].first.startsWith("The help file"));
}

// Qt's own texts (the Yes and No of the message boxes) come along where the
// system has Qt's translations.
TEST_P(Localised, qtsOwnButtonsAreTranslatedWhereTheSystemHasThem)
{
    const QDir qt(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!qt.exists("qtbase_" + language() + ".qm"))
        GTEST_SKIP() << "no Qt translations for " << language().toStdString() << " here";
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
}

// The component library's texts come along in the game's language.
TEST_P(Localised, theLibrarysTextsAreTranslated)
{
    EXPECT_NE(QCoreApplication::translate("Corvanel", "Can't undo"), "Can't undo");
}

// The real program takes its language from LANG even where that locale is
// not generated, as in a bare CI container.
TEST_P(Localised, theGameFollowsLang)
{
    QProcess game;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        env.remove(name);
    env.insert("LANG", QString(GetParam()) + ".UTF-8");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    game.setProcessEnvironment(env);
    game.start(OMBREL_EXECUTABLE, {"--check"});
    ASSERT_TRUE(game.waitForFinished(30000));
    EXPECT_TRUE(game.readAllStandardOutput().contains("language: " + language().toUtf8()));
}

INSTANTIATE_TEST_SUITE_P(GermanAndFrench, Localised, ::testing::Values("de_DE", "fr_FR"));

TEST(Translations, englishIsTheSourceAndInstallsNothing)
{
    EXPECT_EQ(Translations::Install(*qApp, QLocale(QLocale::English, QLocale::UnitedKingdom)),
              QString());
    EXPECT_EQ(QCoreApplication::translate(GameText::Context, "Game over"), "Game over");
    EXPECT_EQ(Translations::Install(*qApp, QLocale(QLocale::Japanese, QLocale::Japan)), QString());
    EXPECT_EQ(QCoreApplication::translate(GameText::Context, "Game over"), "Game over");
}

TEST(Translations, germanAndFrenchAreBuiltIn)
{
    QStringList languages = Translations::Languages();
    languages.sort();
    EXPECT_EQ(languages, QStringList({"de", "fr"}));
}

TEST(Translations, switchingLanguagesLeavesOnlyTheNewOne)
{
    Translations::Install(*qApp, QLocale(QLocale::German, QLocale::Germany));
    Translations::Install(*qApp, QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(QCoreApplication::translate(GameText::Context, "Game over"), "Manche terminée");
    Translations::Install(*qApp, QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(QCoreApplication::translate(GameText::Context, "Game over"), "Game over");
}

} // namespace
