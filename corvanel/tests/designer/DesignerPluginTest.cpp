// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// The plugin inside Qt Designer: a Designer core (the one the designer
// program builds, without its windows) loads the plugin from the build's
// plugin folder, offers its widgets and writes forms with them.
#include "Palette.h"
#include "UnitRegistrations.h"
#include <corvanel/Component.h>
#include <corvanel/ComponentLoader.h>
#include <corvanel/FancyButton.h>
#include <corvanel/MRUCombo.h>

#include "TempRegistry.h"
#include "UiFile.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesignerComponents>
#include <QDesignerFormEditorInterface>
#include <QDesignerFormWindowCursorInterface>
#include <QDesignerFormWindowInterface>
#include <QDesignerFormWindowManagerInterface>
#include <QDesignerIntegration>
#include <QDesignerPropertyEditorInterface>
#include <QDesignerPropertySheetExtension>
#include <QDesignerWidgetDataBaseInterface>
#include <QDir>
#include <QEnterEvent>
#include <QExtensionManager>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <memory>

using namespace corvanel;

namespace {

class DesignerCore : public ::testing::Environment
{
public:
    static inline QDesignerFormEditorInterface *core = nullptr;

    void SetUp() override
    {
        // Designer keeps settings; they go to a folder of the test's own.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath("config")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath("data")));
        // Only the build's plugins, not those installed on the machine.
        QCoreApplication::setLibraryPaths({QStringLiteral(CORVANEL_PLUGIN_ROOT)});
        QDesignerComponents::initializeResources();
        core = QDesignerComponents::createFormEditor(nullptr);
        m_propertyEditor.reset(QDesignerComponents::createPropertyEditor(core, nullptr));
        core->setPropertyEditor(m_propertyEditor.get());
        new QDesignerIntegration(core, core);
        QDesignerComponents::initializePlugins(core);
    }
    void TearDown() override
    {
        m_propertyEditor.reset();
        delete core;
        core = nullptr;
    }

private:
    QTemporaryDir m_home;
    std::unique_ptr<QDesignerPropertyEditorInterface> m_propertyEditor;
};

const auto *const environment = ::testing::AddGlobalTestEnvironment(new DesignerCore);

struct Expected
{
    QString group;
    QString header;
    QString objectName;
    QString extends;
};

// The controls Designer offers, by class.
const std::map<QString, Expected> &expectedWidgets()
{
    static const std::map<QString, Expected> widgets{
        {"corvanel::TMRUCombo", {"Corvanel", "corvanel/MRUCombo.h", "mruCombo", "QComboBox"}},
        {"corvanel::TFancyButton",
         {"Corvanel 2", "corvanel/FancyButton.h", "fancyButton", "QWidget"}},
        {"corvanel::TAnimatedLabel",
         {"Corvanel 2", "corvanel/AnimatedLabel.h", "animatedLabel", "QLabel"}},
        {"corvanel::TNumberEdit",
         {"Corvanel 2", "corvanel/NumberEdit.h", "numberEdit", "QLineEdit"}},
        {"corvanel::TUnitEdit", {"Corvanel 2", "corvanel/UnitEdit.h", "unitEdit", "QWidget"}},
        {"corvanel::TVersionLabel", {"Corvanel 2", "corvanel/Version.h", "versionLabel", "QLabel"}},
        {"corvanel::TURLStatic", {"Corvanel 2", "corvanel/URLStatic.h", "urlStatic", "QLabel"}},
    };
    return widgets;
}

QList<QDesignerCustomWidgetInterface *> pluginWidgets()
{
    for (QObject *instance : DesignerCore::core->pluginInstances())
        if (auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(instance))
            for (QDesignerCustomWidgetInterface *widget : collection->customWidgets())
                if (widget->name() == QLatin1String("corvanel::TFancyButton"))
                    return collection->customWidgets();
    return {};
}

struct DomXml
{
    QString widgetClass, widgetName, customClass, extends, header, text;
};

DomXml readDomXml(const QString &text)
{
    DomXml out;
    QXmlStreamReader xml(text);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("widget")) {
            out.widgetClass = xml.attributes().value("class").toString();
            out.widgetName = xml.attributes().value("name").toString();
        } else if (name == QLatin1String("class")) {
            out.customClass = xml.readElementText();
        } else if (name == QLatin1String("extends")) {
            out.extends = xml.readElementText();
        } else if (name == QLatin1String("header")) {
            out.header = xml.readElementText();
        } else if (name == QLatin1String("property") &&
                   xml.attributes().value("name") == QLatin1String("text")) {
            out.text = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
    }
    return out;
}

QString formOf(const QStringList &classes)
{
    QString widgets;
    QString customs;
    int i = 0;
    for (const QString &className : classes) {
        const Expected &e = expectedWidgets().at(className);
        widgets += QStringLiteral("  <widget class=\"%1\" name=\"%2\">\n"
                                  "   <property name=\"geometry\"><rect><x>10</x><y>%3</y>"
                                  "<width>100</width><height>22</height></rect></property>\n"
                                  "  </widget>\n")
                       .arg(className, e.objectName)
                       .arg(10 + 30 * i++);
        customs += QStringLiteral("  <customwidget><class>%1</class><extends>%2</extends>"
                                  "<header>%3</header></customwidget>\n")
                       .arg(className, e.extends, e.header);
    }
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<ui version=\"4.0\">\n <class>Form</class>\n"
                          " <widget class=\"QWidget\" name=\"Form\">\n"
                          "  <property name=\"geometry\"><rect><x>0</x><y>0</y>"
                          "<width>300</width><height>200</height></rect></property>\n"
                          "%1 </widget>\n <customwidgets>\n%2 </customwidgets>\n</ui>\n")
        .arg(widgets, customs);
}

QStringList everyClass()
{
    QStringList out;
    for (const auto &[name, expected] : expectedWidgets())
        out << name;
    return out;
}

class DesignerForm : public ::testing::Test
{
protected:
    QDesignerFormWindowInterface *form = nullptr;

    void SetUp() override
    {
        ASSERT_NE(DesignerCore::core, nullptr);
        form = DesignerCore::core->formWindowManager()->createFormWindow();
        ASSERT_NE(form, nullptr);
        ASSERT_TRUE(form->setContents(formOf(everyClass())));
        QCoreApplication::processEvents();
    }
    void TearDown() override { delete form; }

    QWidget *widget(const char *name) const
    {
        return form->mainContainer()->findChild<QWidget *>(QString::fromLatin1(name));
    }
    UiWidget written(const char *name) const { return readUi(form->contents())[name]; }
    void set(const char *widgetName, const char *property, const QVariant &value)
    {
        form->clearSelection(false);
        form->selectWidget(widget(widgetName));
        form->cursor()->setProperty(QString::fromLatin1(property), value);
    }
};

} // namespace

TEST(DesignerPlugin, offersExactlyThePalettesWidgetsOnTheirPages)
{
    const auto widgets = pluginWidgets();
    std::map<QString, QString> offered;
    for (QDesignerCustomWidgetInterface *w : widgets)
        offered[w->name()] = w->group();
    std::map<QString, QString> expected;
    for (const auto &[name, e] : expectedWidgets())
        expected[name] = e.group;
    EXPECT_EQ(offered, expected);

    // The same as what the units put on the palette as widgets. The plugin
    // keeps its palette to itself; the test runs the same registrations.
    Palette::clear();
    registerAllUnits();
    std::map<QString, QString> registered;
    for (const PaletteEntry &entry : Palette::entries())
        if (entry.createWidget)
            registered[entry.className] = entry.page;
    EXPECT_EQ(offered, registered);
    EXPECT_NE(Palette::find("corvanel::TJMostRecentlyUsedList"),
              nullptr); // non-visual: not offered

    // Designer took them into its widget database, in the page's group.
    QDesignerWidgetDataBaseInterface *db = DesignerCore::core->widgetDataBase();
    for (const auto &[name, e] : expectedWidgets()) {
        const int index = db->indexOfClassName(name);
        ASSERT_GE(index, 0) << name.toStdString();
        EXPECT_EQ(db->item(index)->group(), e.group);
        EXPECT_EQ(db->item(index)->includeFile(), e.header);
        EXPECT_TRUE(db->item(index)->isCustom());
    }
}

TEST(DesignerPlugin, eachWidgetHasItsIconTipsHeaderAndTemplate)
{
    const auto widgets = pluginWidgets();
    ASSERT_FALSE(widgets.isEmpty());
    QImage sheet(48 * widgets.size(), 48, QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    int x = 0;
    for (QDesignerCustomWidgetInterface *w : widgets) {
        SCOPED_TRACE(w->name().toStdString());
        const Expected &e = expectedWidgets().at(w->name());
        EXPECT_TRUE(w->isInitialized());
        EXPECT_FALSE(w->isContainer());
        EXPECT_FALSE(w->icon().isNull());
        const QString unqualified = w->name().mid(w->name().lastIndexOf(':') + 2).toLower();
        EXPECT_TRUE(QFile::exists(":/corvanel/designer/" + unqualified + ".svg"));
        EXPECT_FALSE(w->toolTip().isEmpty());
        EXPECT_FALSE(w->whatsThis().isEmpty());
        EXPECT_EQ(w->includeFile(), e.header);
        const DomXml dom = readDomXml(w->domXml());
        EXPECT_EQ(dom.widgetClass, w->name());
        EXPECT_EQ(dom.widgetName, e.objectName);
        EXPECT_EQ(dom.customClass, w->name());
        EXPECT_EQ(dom.extends, e.extends);
        EXPECT_EQ(dom.header, e.header);
        // A caption the new widget starts with goes into the template, so
        // that Designer writes it to the form.
        const std::unique_ptr<QWidget> made(w->createWidget(nullptr));
        auto *label = qobject_cast<QLabel *>(made.get());
        EXPECT_EQ(dom.text, label ? label->text() : QString());
        painter.drawPixmap(x + 8, 8, w->icon().pixmap(32, 32));
        x += 48;
    }
    painter.end();
    const QString path =
        QDir(QCoreApplication::applicationDirPath()).filePath("designer-icons.png");
    sheet.save(path);
    std::cout << "icons: " << path.toStdString() << "\n";
}

TEST(DesignerPlugin, widgetsMadeForDesignerAreInDesignerStateAndTouchNoStore)
{
    TempRegistry store;
    {
        QWidget form;
        for (QDesignerCustomWidgetInterface *w : pluginWidgets()) {
            QWidget *widget = w->createWidget(&form);
            ASSERT_NE(widget, nullptr);
            EXPECT_EQ(widget->parentWidget(), &form);
            auto *component = dynamic_cast<Component *>(widget);
            ASSERT_NE(component, nullptr) << w->name().toStdString();
            EXPECT_TRUE(component->isDesigning()) << w->name().toStdString();
            if (auto *combo = qobject_cast<TMRUCombo *>(widget)) {
                combo->SetStorageKey("Software\\Ombrel\\Test\\Designer");
                combo->setEditText("typed");
            }
        }
        loadComponents(&form);
        for (auto *combo : form.findChildren<TMRUCombo *>())
            combo->UpdateList();
    }
    const QStringList written =
        QDir(store.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    EXPECT_TRUE(written.isEmpty()) << written.join(", ").toStdString();
}

TEST_F(DesignerForm, widgetsAtTheirDefaultsAreWrittenWithoutTheirDeclaredProperties)
{
    const UiWidget button = written("fancyButton");
    EXPECT_EQ(button.className, "corvanel::TFancyButton");
    for (const char *name : {"State", "ModalResult", "AllowAllUp", "GroupIndex", "Down", "Glyph",
                             "TextOffsetLeft", "TextOffsetTop", "TextShadowColor"})
        EXPECT_FALSE(button.has(name)) << name;
    EXPECT_EQ(button.value("NumGlyphs"), "1");
    for (const char *name : {"AnimationType", "Interval"})
        EXPECT_FALSE(written("animatedLabel").has(name)) << name;
    for (const char *name : {"Value", "NumberType", "text"})
        EXPECT_FALSE(written("numberEdit").has(name)) << name;
    for (const char *name : {"Unit", "Value", "EditColor", "UnitColor"})
        EXPECT_FALSE(written("unitEdit").has(name)) << name;
    const UiWidget combo = written("mruCombo");
    EXPECT_FALSE(combo.has("StorageKey"));
    EXPECT_EQ(combo.value("ShowLatest"), "false");
    EXPECT_TRUE(combo.value("StorageRootKey").endsWith("atrkCurrentUser"))
        << combo.value("StorageRootKey").toStdString();
}

TEST_F(DesignerForm, aChangedPropertyIsWrittenUntilItIsSetBackToItsDefault)
{
    set("fancyButton", "GroupIndex", 2);
    EXPECT_EQ(written("fancyButton").value("GroupIndex"), "2");
    set("fancyButton", "GroupIndex", 0);
    EXPECT_FALSE(written("fancyButton").has("GroupIndex"));

    set("unitEdit", "Unit", QString("mm"));
    EXPECT_EQ(written("unitEdit").value("Unit"), "mm");
    set("unitEdit", "Unit", QString());
    EXPECT_FALSE(written("unitEdit").has("Unit"));

    set("animatedLabel", "Interval", 250);
    EXPECT_EQ(written("animatedLabel").value("Interval"), "250");

    EXPECT_FALSE(written("urlStatic").has("URL"));
    set("urlStatic", "URL", QString("https://corvanel.example/"));
    EXPECT_EQ(written("urlStatic").value("URL"), "https://corvanel.example/");
}

TEST_F(DesignerForm, aDefaultANewWidgetDoesNotHoldStaysWrittenWhenSetToIt)
{
    set("mruCombo", "ShowLatest", true);
    EXPECT_EQ(written("mruCombo").value("ShowLatest"), "true");
    set("fancyButton", "NumGlyphs", 3);
    EXPECT_EQ(written("fancyButton").value("NumGlyphs"), "3");
}

TEST_F(DesignerForm, aPropertyChangedAsASideEffectIsWrittenToo)
{
    set("fancyButton", "GroupIndex", 1);
    set("fancyButton", "Down", true); // holds the button down: State fbsExclusive
    const UiWidget button = written("fancyButton");
    EXPECT_EQ(button.value("Down"), "true");
    EXPECT_EQ(button.kinds.value("State"), "enum");
    EXPECT_EQ(button.value("State"), "corvanel::TFancyButton::fbsExclusive");
    set("fancyButton", "AllowAllUp", true);
    set("fancyButton", "Down", false);
    EXPECT_FALSE(written("fancyButton").has("State"));
    EXPECT_FALSE(written("fancyButton").has("Down"));
    EXPECT_EQ(written("fancyButton").value("AllowAllUp"), "true");
}

TEST_F(DesignerForm, theFancyButtonsEnabledIsNotOffered)
{
    auto *sheet = qt_extension<QDesignerPropertySheetExtension *>(
        DesignerCore::core->extensionManager(), widget("fancyButton"));
    ASSERT_NE(sheet, nullptr);
    const int index = sheet->indexOf("enabled");
    EXPECT_TRUE(index < 0 || !sheet->isVisible(index));
    EXPECT_FALSE(written("fancyButton").has("enabled"));
}

TEST_F(DesignerForm, aGlyphWhoseFileIsMissingKeepsItsReference)
{
    const QString missing = QStringLiteral("/nonexistent/moved/glyph.png");
    QString contents = formOf({"corvanel::TFancyButton"});
    contents.replace("</rect></property>\n  </widget>",
                     "</rect></property>\n   <property name=\"Glyph\"><pixmap>" + missing +
                         "</pixmap></property>\n  </widget>");
    ASSERT_TRUE(form->setContents(contents));
    QCoreApplication::processEvents();
    set("fancyButton", "GroupIndex", 2); // a change makes the plugin look again
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->contents().contains(missing)) << form->contents().toStdString();
}

// A control dropped from the widget box takes the size its template gives,
// and an empty one still shows where it is.
TEST(DesignerPlugin, templatesGiveEveryControlASensibleSize)
{
    for (QDesignerCustomWidgetInterface *w : pluginWidgets()) {
        SCOPED_TRACE(w->name().toStdString());
        const QString xml = w->domXml();
        const auto number = [&](const char *tag) {
            const QRegularExpression re(QStringLiteral("<%1>(\\d+)</%1>").arg(tag));
            return re.match(xml).captured(1).toInt();
        };
        const std::unique_ptr<QWidget> probe(w->createWidget(nullptr));
        const QSize hint = probe->sizeHint();
        EXPECT_GE(number("width"), std::max(hint.width(), 20));
        EXPECT_GE(number("height"), std::max(hint.height(), 16));
    }
}

TEST_F(DesignerForm, emptyControlsShowAnOutlineWhileDesigned)
{
    for (const char *name : {"fancyButton", "animatedLabel"}) {
        SCOPED_TRACE(name);
        QWidget *w = widget(name);
        for (qreal dpr : {1.0, 2.0}) {
            QImage image(w->size() * dpr, QImage::Format_RGB32);
            image.setDevicePixelRatio(dpr);
            image.fill(Qt::white);
            w->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
            bool inked = false;
            for (int x = 0; x < image.width() && !inked; ++x)
                inked = image.pixel(x, 0) != qRgb(255, 255, 255);
            EXPECT_TRUE(inked) << dpr;
        }
    }
}

// Hot tracking is for the running program: a form file must not depend on
// where the pointer was when it was saved.
TEST_F(DesignerForm, thePointerOverAFancyButtonLeavesItsStateAlone)
{
    QWidget *button = widget("fancyButton");
    ASSERT_NE(button, nullptr);
    const QPointF inside(5, 5);
    QEnterEvent enter(inside, inside, button->mapToGlobal(inside));
    QApplication::sendEvent(button, &enter);
    QMouseEvent move(QEvent::MouseMove, inside, button->mapToGlobal(inside), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(button, &move);
    QImage image(button->size(), QImage::Format_RGB32);
    button->render(&image); // a paint turns the resting state into the hot one
    EXPECT_EQ(button->property("State").toInt(), int(TFancyButton::fbsMouseOut));
    EXPECT_FALSE(written("fancyButton").has("State"));
}
