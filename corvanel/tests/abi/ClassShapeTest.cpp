// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// The exported classes keep their state behind one pointer, so that a later
// 2.x library can change it without breaking programs built against 2.0, and
// every property that can change says so with a change signal.
#include <corvanel/AnimatedLabel.h>
#include <corvanel/ButtonGlyph.h>
#include <corvanel/Debug.h>
#include <corvanel/FancyButton.h>
#include <corvanel/GlyphCache.h>
#include <corvanel/GlyphList.h>
#include <corvanel/JMRU.h>
#include <corvanel/Jstore.h>
#include <corvanel/MRUCombo.h>
#include <corvanel/NumberEdit.h>
#include <corvanel/URLStatic.h>
#include <corvanel/UnitEdit.h>
#include <corvanel/Version.h>
#include <corvanel/undo.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>
#include <QSet>
#include <QWidget>
#include <gtest/gtest.h>

using namespace corvanel;

namespace {

// The Qt base, the Component mixin where the class has it, and one pointer.
template <typename T, typename Base, bool component = true> constexpr bool isBasePlusPointer()
{
    return sizeof(T) == sizeof(Base) + (component ? sizeof(Component) : 0) + sizeof(void *);
}

static_assert(isBasePlusPointer<TFancyButton, QWidget>());
static_assert(isBasePlusPointer<TAnimatedLabel, QLabel>());
static_assert(isBasePlusPointer<TNumberEdit, QLineEdit>());
static_assert(isBasePlusPointer<TUnitEdit, QWidget>());
static_assert(isBasePlusPointer<TVersionLabel, QLabel>());
static_assert(isBasePlusPointer<TURLStatic, QLabel>());
static_assert(isBasePlusPointer<TMRUCombo, QComboBox>());
static_assert(isBasePlusPointer<TJMostRecentlyUsedList, QObject>());
static_assert(isBasePlusPointer<TDebugHelper, QObject>());
static_assert(isBasePlusPointer<JAction, QObject>());
static_assert(isBasePlusPointer<TUndoSingleBuffer, QObject>());
static_assert(isBasePlusPointer<TUndoMultiBuffer, QObject>());
static_assert(isBasePlusPointer<TJStorage, QObject, false>());
static_assert(sizeof(TButtonGlyph) == sizeof(void *));
static_assert(sizeof(TGlyphList) == sizeof(void *));
static_assert(sizeof(TGlyphCache) == sizeof(void *));
static_assert(sizeof(TUndoStack) == sizeof(void *));
static_assert(sizeof(TJWin32Registry) == sizeof(void *));

// Properties a class redeclares from Qt, whose change signals are Qt's own.
const QSet<QByteArray> qtProperties{"text", "enabled"};

// The writable properties that a class declares itself and that have no
// change signal.
QStringList silentProperties(const QMetaObject &meta)
{
    QStringList silent;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty property = meta.property(i);
        if (property.isWritable() && !property.hasNotifySignal() &&
            !qtProperties.contains(property.name()))
            silent << QString::fromLatin1(property.name());
    }
    return silent;
}

TEST(ClassShape, everyWritablePropertyOfEveryComponentHasAChangeSignal)
{
    for (const QMetaObject *meta :
         {&TFancyButton::staticMetaObject, &TAnimatedLabel::staticMetaObject,
          &TNumberEdit::staticMetaObject, &TUnitEdit::staticMetaObject,
          &TVersionLabel::staticMetaObject, &TURLStatic::staticMetaObject,
          &TMRUCombo::staticMetaObject, &TJMostRecentlyUsedList::staticMetaObject,
          &TDebugHelper::staticMetaObject, &JAction::staticMetaObject,
          &TUndoSingleBuffer::staticMetaObject, &TUndoMultiBuffer::staticMetaObject,
          &TJStorage::staticMetaObject}) {
        EXPECT_EQ(silentProperties(*meta), QStringList()) << meta->className();
    }
}

TEST(ClassShape, changeSignalsAreNamedAfterTheirProperty)
{
    const QMetaObject &meta = TFancyButton::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty property = meta.property(i);
        if (property.hasNotifySignal()) {
            EXPECT_EQ(property.notifySignal().name(), QByteArray(property.name()) + "Changed");
        }
    }
}

} // namespace
