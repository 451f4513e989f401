// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "DesignerWidget.h"

#include "DesignerPlugin.h"
#include <corvanel/Component.h>

#include <QFile>
#include <QIcon>
#include <QMetaObject>
#include <QMetaProperty>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>
#include <memory>

namespace corvanel {

namespace {

// Small enough for a glyph button, large enough to be seen and picked.
constexpr QSize minimumDropSize(20, 16);

QString unqualified(const QString &className)
{
    const qsizetype colons = className.lastIndexOf(QLatin1String("::"));
    return colons < 0 ? className : className.mid(colons + 2);
}

// The class name without the library's T prefix: "TFancyButton" gives
// "FancyButton"; a name like "Timer" keeps its T.
QString withoutPrefix(const QString &className)
{
    QString name = unqualified(className);
    if (name.size() > 1 && name[0] == QLatin1Char('T') && name[1].isUpper())
        name.remove(0, 1);
    return name;
}

// The nearest Qt class the widget derives from, which Designer and uic use
// for what they know of the widget's kind ("QLabel", "QComboBox").
QString qtBaseClassOf(const QWidget *widget)
{
    const QMetaObject *meta = widget ? widget->metaObject() : &QWidget::staticMetaObject;
    while (meta && !QByteArray(meta->className()).startsWith('Q'))
        meta = meta->superClass();
    return QString::fromLatin1(meta ? meta->className() : "QWidget");
}

// The text of a label-like widget, which a form should keep.
QString captionOf(const QWidget *widget)
{
    if (!widget)
        return {};
    const QMetaObject *meta = widget->metaObject();
    const int index = meta->indexOfProperty("text");
    if (index < 0)
        return {};
    const QMetaProperty text = meta->property(index);
    if (!text.isDesignable() || !text.isStored() || text.metaType().id() != QMetaType::QString)
        return {};
    return text.read(widget).toString();
}

QPixmap render(QSvgRenderer &svg, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    svg.render(&painter);
    return pixmap;
}

} // namespace

DesignerWidget::DesignerWidget(PaletteEntry entry, DesignerPlugin *plugin)
    : QObject(plugin), m_entry(std::move(entry)), m_plugin(plugin)
{}

QIcon DesignerWidget::icon() const
{
    QString path = iconPathFor(m_entry.className);
    if (!QFile::exists(path))
        path = QStringLiteral(":/corvanel/designer/component.svg");
    QSvgRenderer svg(path);
    QIcon icon;
    for (int size : {16, 22, 32, 48})
        icon.addPixmap(render(svg, size));
    return icon;
}

QWidget *DesignerWidget::createWidget(QWidget *parent)
{
    QWidget *widget = m_entry.createWidget(parent);
    // The palette makes widgets for a designer; outside Designer (QUiLoader
    // in a running program) they must work for real.
    if (auto *component = dynamic_cast<Component *>(widget))
        component->setDesigning(m_core != nullptr);
    if (m_core)
        m_plugin->attach(m_core);
    return widget;
}

void DesignerWidget::initialize(QDesignerFormEditorInterface *core)
{
    if (m_initialized)
        return;
    m_initialized = true;
    m_core = core;
    m_plugin->attach(core);
}

QString DesignerWidget::domXml() const
{
    // A widget as the palette makes it tells its Qt base class and the
    // caption it starts with; Designer only keeps what the template says.
    const std::unique_ptr<QWidget> probe(m_entry.createWidget(nullptr));
    const QString caption = captionOf(probe.get());
    // Without a geometry Designer drops a widget at a size of its own choosing
    // (16 × 16 for some); the control's size hint is the size it is made for.
    const QSize size = probe->sizeHint().expandedTo(minimumDropSize);
    QString properties = QStringLiteral("  <property name=\"geometry\">\n   <rect><x>0</x><y>0</y>"
                                        "<width>%1</width><height>%2</height></rect>\n"
                                        "  </property>\n")
                             .arg(size.width())
                             .arg(size.height());
    if (!caption.isEmpty())
        properties +=
            QStringLiteral("  <property name=\"text\">\n   <string>%1</string>\n  </property>\n")
                .arg(caption.toHtmlEscaped());
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"%1\" name=\"%2\">\n"
                          "%3"
                          " </widget>\n"
                          " <customwidgets>\n"
                          "  <customwidget>\n"
                          "   <class>%1</class>\n"
                          "   <extends>%4</extends>\n"
                          "   <header>%5</header>\n"
                          "  </customwidget>\n"
                          " </customwidgets>\n"
                          "</ui>\n")
        .arg(m_entry.className.toHtmlEscaped(), objectNameFor(m_entry.className), properties,
             qtBaseClassOf(probe.get()), m_entry.includeFile.toHtmlEscaped());
}

QString DesignerWidget::objectNameFor(const QString &className)
{
    QString name = withoutPrefix(className);
    // Lower the leading capitals, keeping the last one of a run that starts
    // a word: "URLStatic" gives "urlStatic", "NumberEdit" "numberEdit".
    qsizetype upper = 0;
    while (upper < name.size() && name[upper].isUpper())
        ++upper;
    if (upper > 1 && upper < name.size())
        --upper;
    for (qsizetype i = 0; i < qMax<qsizetype>(upper, 1) && i < name.size(); ++i)
        name[i] = name[i].toLower();
    return name;
}

QString DesignerWidget::iconPathFor(const QString &className)
{
    return QStringLiteral(":/corvanel/designer/%1.svg").arg(withoutPrefix(className).toLower());
}

} // namespace corvanel
