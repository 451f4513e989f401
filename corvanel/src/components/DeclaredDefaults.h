// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <QByteArray>
#include <QList>
#include <QVariant>
#include <vector>

class QMetaObject;
class QMetaProperty;
class QObject;

namespace corvanel {

// The declared defaults of a class's properties, and the rule that form
// writers (the designer plugin, FormWriter) follow with them.
//
// A class declares the default of a property with a class info entry named
// "corvanel.default." plus the property name. Its text is the value: an
// enumerator's key, true or false, a number in C notation (0x1FFFFFFF), or
// the empty text for an empty string or no picture.
//
//     Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
//     Q_CLASSINFO("corvanel.default.GroupIndex", "0")
//
// A form leaves out a property whose value equals its declared default, so
// that it lists only what was changed. That is only safe when a newly built
// object holds the declared default too. Where it holds something else
// (NumGlyphs is 1 after construction but declared 0, MaxItems 10 but
// declared 0), leaving the value out would hand the constructor's value to
// whoever loads the form, so such a property is written whatever its value.
// To find those, the class is built once (which needs a Q_INVOKABLE
// constructor callable without arguments); a class that cannot be built has
// every declared property written.
//
// Properties without a declared default are written as Qt writes them, unless
// they are declared STORED false.
class DeclaredDefaults
{
public:
    static constexpr const char *classInfoPrefix = "corvanel.default.";
    // Q_CLASSINFO("corvanel.storedUnless.Color", "ParentColor"): Color is
    // written only while ParentColor is false.
    static constexpr const char *storedUnlessPrefix = "corvanel.storedUnless.";

    struct Entry
    {
        QByteArray name;
        QVariant value;            // invalid for "no picture"
        bool alwaysStored = false; // a new object holds something else
        // Set for a property that follows a flag rather than a default (a
        // Color and its ParentColor): written exactly while that Boolean
        // property is false.
        QByteArray storedUnless;
    };

    explicit DeclaredDefaults(const QMetaObject *metaObject);

    const QMetaObject *metaObject() const noexcept { return m_metaObject; }
    // In the order of declaration, base classes first.
    const std::vector<Entry> &entries() const noexcept { return m_entries; }
    const Entry *find(QByteArrayView name) const;
    // Declared entries whose text could not be read as a value of the property
    // (or that name no property); they count as having no default.
    const QList<QByteArray> &faults() const noexcept { return m_faults; }

    // Whether a form keeps property `name` of `object` (an instance of this
    // class): false for STORED false properties and for a value equal to a
    // default that a new object holds as well, true otherwise.
    bool isStored(const QObject *object, QByteArrayView name) const;

    // Whether `value` equals the declared default `entry` of `property`.
    static bool equalsDefault(const QMetaProperty &property, const QVariant &value,
                              const Entry &entry);

private:
    void readClassInfo();
    void compareWithNewObject();

    const QMetaObject *m_metaObject;
    std::vector<Entry> m_entries;
    QList<QByteArray> m_faults;
};

} // namespace corvanel
