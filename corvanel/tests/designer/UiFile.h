// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <QMap>
#include <QString>
#include <QXmlStreamReader>

// What a .ui file says about its widgets: for each widget (by object name)
// its class and its properties, each as the kind of value and its text
// ("number" "1", "enum" "corvanel::TFancyButton::fbsDown").
struct UiWidget
{
    QString className;
    QMap<QString, QString> kinds;
    QMap<QString, QString> values;

    bool has(const QString &property) const { return values.contains(property); }
    QString value(const QString &property) const { return values.value(property); }
};

inline QMap<QString, UiWidget> readUi(const QString &text)
{
    QMap<QString, UiWidget> widgets;
    QXmlStreamReader xml(text);
    QList<QString> open; // names of the widgets around the current element
    QString property;
    int depthInProperty = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (!property.isEmpty()) {
                ++depthInProperty;
                if (depthInProperty == 1) {
                    UiWidget &w = widgets[open.last()];
                    w.kinds[property] = xml.name().toString();
                    // Compound values (size, font) keep only their kind.
                    w.values[property] =
                        xml.readElementText(QXmlStreamReader::IncludeChildElements);
                    --depthInProperty;
                }
            } else if (xml.name() == QLatin1String("widget")) {
                const QString name = xml.attributes().value(QLatin1String("name")).toString();
                widgets[name].className = xml.attributes().value(QLatin1String("class")).toString();
                open.append(name);
            } else if (xml.name() == QLatin1String("property") && !open.isEmpty()) {
                property = xml.attributes().value(QLatin1String("name")).toString();
                depthInProperty = 0;
            }
        } else if (xml.isEndElement()) {
            if (xml.name() == QLatin1String("property"))
                property.clear();
            else if (xml.name() == QLatin1String("widget") && !open.isEmpty())
                open.removeLast();
        }
    }
    return widgets;
}
