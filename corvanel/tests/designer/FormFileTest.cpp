// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// Forms at run time: FormWriter saves the library's widgets by their declared
// defaults, and QUiLoader, with the Designer plugin on its plugin path, turns
// form files back into working widgets.
#include "FormWriter.h"
#include <corvanel/AnimatedLabel.h>
#include <corvanel/ComponentLoader.h>
#include <corvanel/FancyButton.h>
#include <corvanel/Jstore.h>
#include <corvanel/MRUCombo.h>
#include <corvanel/NumberEdit.h>
#include <corvanel/URLStatic.h>
#include <corvanel/UnitEdit.h>
#include <corvanel/Version.h>

#include "TempRegistry.h"
#include "UiFile.h"
#include "ui_EveryControl.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QUiLoader>
#include <QUrl>
#include <gtest/gtest.h>

#include <memory>

using namespace corvanel;

namespace {

// The library's widgets, each at what its constructor gives.
struct Form
{
    QWidget widget;
    TFancyButton *button = make<TFancyButton>("fancyButton");
    TAnimatedLabel *label = make<TAnimatedLabel>("animatedLabel");
    TNumberEdit *number = make<TNumberEdit>("numberEdit");
    TUnitEdit *unit = make<TUnitEdit>("unitEdit");
    TMRUCombo *combo = make<TMRUCombo>("mruCombo");
    TVersionLabel *version = make<TVersionLabel>("versionLabel");
    TURLStatic *link = make<TURLStatic>("urlStatic");

    Form() { widget.setObjectName("form"); }

    template <typename T> T *make(const char *name)
    {
        auto *w = new T(&widget);
        w->setObjectName(QString::fromLatin1(name));
        return w;
    }
};

QString saved(QWidget *form)
{
    FormWriter writer;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writer.save(&buffer, form);
    return QString::fromUtf8(buffer.data());
}

void configure(QUiLoader &loader)
{
    loader.clearPluginPaths();
    loader.addPluginPath(QStringLiteral(CORVANEL_DESIGNER_PLUGIN_DIR));
}

std::unique_ptr<QWidget> load(const QString &text, const QDir &workingDirectory = QDir())
{
    QUiLoader loader;
    configure(loader);
    loader.setWorkingDirectory(workingDirectory);
    QByteArray bytes = text.toUtf8();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    std::unique_ptr<QWidget> form(loader.load(&buffer));
    EXPECT_TRUE(form) << loader.errorString().toStdString();
    return form;
}

QString fileText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Five 16 × 16 cells side by side, each a colour of its own.
QImage fiveCellGlyph()
{
    QImage image(80, 16, QImage::Format_RGB32);
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::gray};
    QPainter painter(&image);
    for (int i = 0; i < 5; ++i)
        painter.fillRect(i * 16, 0, 16, 16, colours[i]);
    return image;
}

class Locale : public ::testing::Test
{
protected:
    QLocale previous = QLocale();
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    void TearDown() override { QLocale::setDefault(previous); }
};

} // namespace

using FormWriterTest = Locale;

TEST_F(FormWriterTest, widgetsAtTheirDefaultsLeaveTheirDeclaredPropertiesOut)
{
    Form form;
    const auto ui = readUi(saved(&form.widget));

    const UiWidget &button = ui["fancyButton"];
    EXPECT_EQ(button.className, "corvanel::TFancyButton");
    for (const char *name : {"State", "ModalResult", "AllowAllUp", "GroupIndex", "Down", "Glyph",
                             "TextOffsetLeft", "TextOffsetTop", "TextShadowColor"})
        EXPECT_FALSE(button.has(name)) << name;
    EXPECT_EQ(button.value("NumGlyphs"), "1"); // declared 0, never 0

    for (const char *name : {"AnimationType", "Interval"})
        EXPECT_FALSE(ui["animatedLabel"].has(name)) << name;
    for (const char *name : {"Value", "NumberType", "text"})
        EXPECT_FALSE(ui["numberEdit"].has(name)) << name;
    for (const char *name : {"Unit", "Value", "EditColor", "UnitColor"})
        EXPECT_FALSE(ui["unitEdit"].has(name)) << name;

    const UiWidget &combo = ui["mruCombo"];
    EXPECT_FALSE(combo.has("StorageKey"));
    // Declared true and atrkClassesRoot while a new box holds false and
    // atrkCurrentUser: written, or a form could not keep true or the root.
    EXPECT_EQ(combo.value("ShowLatest"), "false");
    EXPECT_EQ(combo.value("StorageRootKey"), "atrkCurrentUser");
    EXPECT_EQ(combo.kinds.value("StorageRootKey"), "enum");

    EXPECT_FALSE(ui["urlStatic"].has("URL"));
    EXPECT_FALSE(ui["versionLabel"].has("FileName")); // not for forms
}

TEST_F(FormWriterTest, changedPropertiesAreWrittenEnumerationsByName)
{
    Form form;
    form.button->SetState(fbsDown);
    form.button->SetGroupIndex(2);
    form.button->SetModalResult(TFancyButton::mrCancel);
    form.button->SetTextShadowColor(0x00FF00);
    form.label->SetAnimationType(TAnimatedLabel::atFade);
    form.label->SetInterval(250);
    form.number->SetValue(12.5f);
    form.number->SetNumberType(TNumberEdit::ntFloat);
    form.unit->SetUnit("mm");
    form.unit->SetUnitColor(clWindow);
    form.combo->SetStorageKey("Software\\Ombrel\\Test");
    form.combo->SetShowLatest(true);
    form.link->SetURL("https://corvanel.example/");

    const auto ui = readUi(saved(&form.widget));
    const UiWidget &button = ui["fancyButton"];
    EXPECT_EQ(button.kinds.value("State"), "enum");
    EXPECT_TRUE(button.value("State").endsWith("fbsDown")) << button.value("State").toStdString();
    EXPECT_EQ(button.value("GroupIndex"), "2");
    EXPECT_EQ(button.value("ModalResult"), "2");
    EXPECT_EQ(button.value("TextShadowColor"), "65280");
    EXPECT_TRUE(ui["animatedLabel"].value("AnimationType").endsWith("atFade"));
    EXPECT_EQ(ui["animatedLabel"].value("Interval"), "250");
    EXPECT_EQ(ui["numberEdit"].value("Value").toDouble(), 12.5);
    EXPECT_TRUE(ui["numberEdit"].value("NumberType").endsWith("ntFloat"));
    EXPECT_FALSE(ui["numberEdit"].has("text"));
    EXPECT_EQ(ui["unitEdit"].value("Unit"), "mm");
    EXPECT_EQ(ui["unitEdit"].value("UnitColor"), QString::number(clWindow));
    EXPECT_FALSE(ui["unitEdit"].has("EditColor"));
    EXPECT_EQ(ui["mruCombo"].value("StorageKey"), "Software\\Ombrel\\Test");
    EXPECT_EQ(ui["mruCombo"].value("ShowLatest"), "true");
    EXPECT_EQ(ui["urlStatic"].value("URL"), "https://corvanel.example/");
}

TEST_F(FormWriterTest, qtsOwnEnumerationsAreWrittenToo)
{
    QWidget form;
    form.setObjectName("form");
    auto *label = new QLabel(&form);
    label->setObjectName("label");
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    const auto ui = readUi(saved(&form));
    EXPECT_EQ(ui["label"].kinds.value("textFormat"), "enum");
    EXPECT_TRUE(ui["label"].value("textFormat").endsWith("PlainText"));
    EXPECT_EQ(ui["label"].kinds.value("alignment"), "set");
    const auto loaded = load(saved(&form));
    ASSERT_TRUE(loaded);
    auto *back = loaded->findChild<QLabel *>("label");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->alignment(), Qt::AlignRight | Qt::AlignTop);
    EXPECT_EQ(back->textFormat(), Qt::PlainText);
}

TEST_F(FormWriterTest, theControlsOwnPartsAreNotWrittenAsWidgetsOfTheForm)
{
    Form form;
    form.unit->resize(100, 20);
    form.unit->SetUnit("mm");
    loadComponents(&form.widget); // the unit edit makes its parts
    ASSERT_NE(form.unit->NumberPart(), nullptr);
    form.combo->addItem("alpha");

    const auto ui = readUi(saved(&form.widget));
    for (const UiWidget &w : ui)
        EXPECT_TRUE(w.className == "QWidget" || w.className.startsWith("corvanel::"))
            << w.className.toStdString();
    EXPECT_EQ(ui.size(), 8);

    const auto loaded = load(saved(&form.widget));
    ASSERT_TRUE(loaded);
    auto *unit = loaded->findChild<TUnitEdit *>("unitEdit");
    ASSERT_NE(unit, nullptr);
    loadComponents(loaded.get());
    EXPECT_EQ(unit->findChildren<QWidget *>().size(), 2);
    EXPECT_EQ(unit->UnitPart()->text(), "mm");
}

TEST_F(FormWriterTest, aSavedFormLoadsBackWithEveryValue)
{
    TempRegistry store;
    Form form;
    form.button->SetState(fbsExclusive);
    form.button->SetGroupIndex(3);
    form.button->SetTextOffsetLeft(2);
    form.label->SetAnimationType(TAnimatedLabel::atFly);
    form.number->SetValue(-0.25f);
    form.unit->SetUnit("kg");
    form.unit->SetValue(7.0f);
    form.unit->SetEditColor(clBtnFace);
    form.combo->SetStorageKey("Software\\Ombrel\\Test");
    form.combo->SetShowLatest(true); // its declared default, not the constructor's
    form.combo->SetStorageRootKey(TJStorage::atrkClassesRoot); // likewise

    const auto loaded = load(saved(&form.widget));
    ASSERT_TRUE(loaded);
    auto *button = loaded->findChild<TFancyButton *>("fancyButton");
    auto *label = loaded->findChild<TAnimatedLabel *>("animatedLabel");
    auto *number = loaded->findChild<TNumberEdit *>("numberEdit");
    auto *unit = loaded->findChild<TUnitEdit *>("unitEdit");
    auto *combo = loaded->findChild<TMRUCombo *>("mruCombo");
    ASSERT_TRUE(button && label && number && unit && combo);
    EXPECT_EQ(button->State(), fbsExclusive);
    EXPECT_EQ(button->GroupIndex(), 3);
    EXPECT_EQ(button->TextOffsetLeft(), 2);
    EXPECT_EQ(button->GetNumGlyphs(), 1);
    EXPECT_EQ(label->AnimationType(), TAnimatedLabel::atFly);
    EXPECT_EQ(label->GetInterval(), 100);
    EXPECT_FLOAT_EQ(number->GetValue(), -0.25f);
    EXPECT_EQ(unit->Unit(), "kg");
    EXPECT_FLOAT_EQ(unit->GetValue(), 7.0f);
    EXPECT_EQ(unit->EditColor(), clBtnFace);
    EXPECT_EQ(unit->UnitColor(), clBtnFace);
    EXPECT_EQ(combo->StorageKey(), "Software\\Ombrel\\Test");
    EXPECT_TRUE(combo->ShowLatest());
    EXPECT_EQ(combo->StorageRootKey(), TJStorage::atrkClassesRoot);
}

class EveryControl : public Locale
{
protected:
    TempRegistry store;
    QTemporaryDir dir;
    std::unique_ptr<QWidget> form;

    void SetUp() override
    {
        Locale::SetUp();
        ASSERT_TRUE(fiveCellGlyph().save(QDir(dir.path()).filePath("glyph.png")));
        store.write("REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Ombrel\\Test\\Combo]\n"
                    "\"Count\"=dword:00000002\n\"0\"=\"alpha\"\n\"1\"=\"beta\"\n");
        form = load(fileText(QStringLiteral(EVERY_CONTROL_UI)), QDir(dir.path()));
        ASSERT_TRUE(form);
    }
    template <typename T> T *child(const char *name) const
    {
        auto *w = form->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
};

TEST_F(EveryControl, theLoaderOffersEveryControlOfThePlugin)
{
    QUiLoader loader;
    configure(loader);
    const QStringList available = loader.availableWidgets();
    for (const char *name : {"corvanel::TFancyButton", "corvanel::TAnimatedLabel",
                             "corvanel::TNumberEdit", "corvanel::TUnitEdit", "corvanel::TMRUCombo",
                             "corvanel::TVersionLabel", "corvanel::TURLStatic"})
        EXPECT_TRUE(available.contains(QString::fromLatin1(name))) << name;
}

TEST_F(EveryControl, loadsIntoRunningWidgetsWithTheFormsValues)
{
    auto *button = child<TFancyButton>("fancyButton");
    auto *label = child<TAnimatedLabel>("animatedLabel");
    auto *number = child<TNumberEdit>("numberEdit");
    auto *unit = child<TUnitEdit>("unitEdit");
    auto *combo = child<TMRUCombo>("mruCombo");
    auto *version = child<TVersionLabel>("versionLabel");
    auto *link = child<TURLStatic>("urlStatic");
    ASSERT_TRUE(button && label && number && unit && combo && version && link);
    for (const Component *c : std::initializer_list<const Component *>{button, label, number, unit,
                                                                       combo, version, link})
        EXPECT_FALSE(c->isDesigning());

    EXPECT_EQ(button->GetNumGlyphs(), 5);
    EXPECT_EQ(button->size(), QSize(16, 16));
    EXPECT_EQ(button->GroupIndex(), 1);
    EXPECT_EQ(button->TextShadowColor(), 255u);
    EXPECT_EQ(button->Caption(), "&Go");
    EXPECT_EQ(label->text(), "Hello");
    EXPECT_EQ(label->AnimationType(), TAnimatedLabel::atFlash);
    EXPECT_EQ(label->GetInterval(), 150);
    EXPECT_FLOAT_EQ(number->GetValue(), 12.5f);
    EXPECT_EQ(number->NumberType(), TNumberEdit::ntFloat);
    EXPECT_EQ(unit->Unit(), "mm");
    EXPECT_EQ(combo->StorageKey(), "Software\\Ombrel\\Test\\Combo");
    EXPECT_EQ(combo->StorageRootKey(), TJStorage::atrkCurrentUser);
    EXPECT_EQ(version->text(), "Version 6.0.10.158"); // until loaded
    EXPECT_EQ(link->text(), "Visit the homepage");
    EXPECT_EQ(link->GetURL(), "https://corvanel.example/");
}

TEST_F(EveryControl, loadingTheComponentsRunsLoadedOnceForEach)
{
    auto *unit = child<TUnitEdit>("unitEdit");
    auto *combo = child<TMRUCombo>("mruCombo");
    auto *version = child<TVersionLabel>("versionLabel");
    ASSERT_TRUE(unit && combo && version);
    EXPECT_EQ(unit->NumberPart(), nullptr);

    std::vector<const Component *> fromTheFile;
    for (QObject *o : form->findChildren<QObject *>())
        if (auto *c = dynamic_cast<const Component *>(o))
            fromTheFile.push_back(c);
    ASSERT_EQ(fromTheFile.size(), 7u);
    for (const Component *c : fromTheFile)
        EXPECT_FALSE(c->isLoaded());
    EXPECT_EQ(loadComponents(form.get()), 7);
    for (const Component *c : fromTheFile)
        EXPECT_TRUE(c->isLoaded());

    // The combo box read its list from the store, the unit edit made its parts.
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), "alpha");
    EXPECT_EQ(combo->currentText(), "alpha");
    ASSERT_NE(unit->NumberPart(), nullptr);
    EXPECT_EQ(unit->NumberPart()->width(), 70);
    EXPECT_FLOAT_EQ(unit->GetValue(), 3.0f);
    EXPECT_EQ(unit->UnitPart()->text(), "mm");
    // The version label shows the program's own version, not the form's.
    EXPECT_TRUE(version->text().startsWith("Version ")) << version->text().toStdString();
    EXPECT_EQ(version->text(), "Version " + version->GetVersion());
}

TEST_F(EveryControl, theLoadedControlsWork)
{
    loadComponents(form.get());
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));

    auto *button = child<TFancyButton>("fancyButton");
    int clicks = 0;
    button->SetOnClick([&](QObject *) { ++clicks; });
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(button->Down()); // GroupIndex 1: a click holds it down

    auto *number = child<TNumberEdit>("numberEdit");
    number->clear();
    QTest::keyClicks(number, "7.25");
    EXPECT_FLOAT_EQ(number->GetValue(), 7.25f);

    auto *combo = child<TMRUCombo>("mruCombo");
    combo->setEditText("gamma");
    combo->UpdateList();
    EXPECT_TRUE(store.contents().contains("\"2\"=\"gamma\""));
    EXPECT_TRUE(store.contents().contains("\"Count\"=dword:00000003"));

    QList<QUrl> opened;
    const auto previous = TURLStatic::SetOpener([&](const QUrl &url) {
        opened << url;
        return true;
    });
    QTest::mousePress(child<TURLStatic>("urlStatic"), Qt::LeftButton, {}, QPoint(5, 5));
    TURLStatic::SetOpener(previous);
    EXPECT_EQ(opened, QList<QUrl>{QUrl("https://corvanel.example/")});

    auto *label = child<TAnimatedLabel>("animatedLabel");
    const qint64 ticks = label->Ticks();
    // Its own timer runs; the bound only ends a failing run.
    EXPECT_TRUE(QTest::qWaitFor([&] { return label->Ticks() != ticks; }, 120000));
}

TEST_F(EveryControl, uicBuildsTheSameFormFromTheFile)
{
    QWidget built;
    Ui::EveryControl ui;
    ui.setupUi(&built);
    EXPECT_EQ(ui.fancyButton->GroupIndex(), 1);
    EXPECT_EQ(ui.fancyButton->Caption(), "&Go");
    EXPECT_EQ(ui.animatedLabel->AnimationType(), TAnimatedLabel::atFlash);
    EXPECT_EQ(ui.animatedLabel->GetInterval(), 150);
    EXPECT_FLOAT_EQ(ui.numberEdit->GetValue(), 12.5f);
    EXPECT_EQ(ui.numberEdit->NumberType(), TNumberEdit::ntFloat);
    EXPECT_EQ(ui.unitEdit->Unit(), "mm");
    EXPECT_EQ(ui.mruCombo->StorageRootKey(), TJStorage::atrkCurrentUser);
    EXPECT_EQ(ui.urlStatic->GetURL(), "https://corvanel.example/");
    EXPECT_EQ(loadComponents(&built), 7);
    ASSERT_EQ(ui.mruCombo->count(), 2);
    EXPECT_EQ(ui.mruCombo->itemText(1), "beta");
}
