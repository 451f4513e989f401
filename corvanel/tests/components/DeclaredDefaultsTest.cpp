// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "DeclaredDefaults.h"

#include <corvanel/AnimatedLabel.h>
#include <corvanel/Debug.h>
#include <corvanel/FancyButton.h>
#include <corvanel/JMRU.h>
#include <corvanel/Jstore.h>
#include <corvanel/MRUCombo.h>
#include <corvanel/NumberEdit.h>
#include <corvanel/URLStatic.h>
#include <corvanel/UnitEdit.h>
#include <corvanel/Version.h>

#include <QMetaProperty>
#include <QPixmap>
#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace corvanel;

namespace {

// A property of the test's own classes below.
class Declared : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Count READ Count WRITE SetCount)
    Q_CLASSINFO("corvanel.default.Count", "3")
    Q_PROPERTY(bool Flag READ Flag WRITE SetFlag)
    Q_CLASSINFO("corvanel.default.Flag", "maybe")
    Q_CLASSINFO("corvanel.default.Missing", "1")

public:
    Q_INVOKABLE explicit Declared(QObject *parent = nullptr) : QObject(parent) {}
    int Count() const { return m_count; }
    void SetCount(int count) { m_count = count; }
    bool Flag() const { return m_flag; }
    void SetFlag(bool flag) { m_flag = flag; }

private:
    int m_count = 3;
    bool m_flag = false;
};

// Declares another default than its base, which its constructor holds.
class Redeclared : public Declared
{
    Q_OBJECT
    Q_CLASSINFO("corvanel.default.Count", "5")

public:
    Q_INVOKABLE explicit Redeclared(QObject *parent = nullptr) : Declared(parent) { SetCount(5); }
};

// No constructor a tool can call.
class Unbuildable : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Count READ Count WRITE SetCount)
    Q_CLASSINFO("corvanel.default.Count", "0")

public:
    explicit Unbuildable(int count) : m_count(count) {}
    int Count() const { return m_count; }
    void SetCount(int count) { m_count = count; }

private:
    int m_count;
};

using Table = std::map<QByteArray, QVariant>;

Table declaredOf(const QMetaObject &meta)
{
    Table out;
    const DeclaredDefaults defaults(&meta);
    for (const auto &entry : defaults.entries())
        out[entry.name] = entry.value;
    return out;
}

std::set<QByteArray> alwaysStoredOf(const QMetaObject &meta)
{
    std::set<QByteArray> out;
    const DeclaredDefaults defaults(&meta);
    for (const auto &entry : defaults.entries())
        if (entry.alwaysStored)
            out.insert(entry.name);
    return out;
}

} // namespace

TEST(DeclaredDefaults, everyComponentDeclaresTheDefaultsOfItsPropertyTable)
{
    EXPECT_EQ(declaredOf(TFancyButton::staticMetaObject),
              (Table{{"State", int(fbsMouseOut)},
                     {"ModalResult", 0},
                     {"AllowAllUp", false},
                     {"GroupIndex", 0},
                     {"Down", false},
                     {"Glyph", QVariant()},
                     {"NumGlyphs", 0},
                     {"TextOffsetLeft", 0},
                     {"TextOffsetTop", 0},
                     {"TextShadowColor", 0x1FFFFFFFu}}));
    EXPECT_EQ(declaredOf(TAnimatedLabel::staticMetaObject),
              (Table{{"AnimationType", int(TAnimatedLabel::atNone)},
                     {"Interval", 100},
                     {"Color", QVariant()}, // follows ParentColor
                     {"ParentColor", true},
                     {"ShowAccelChar", true}}));
    EXPECT_EQ(declaredOf(TNumberEdit::staticMetaObject),
              (Table{{"Value", 0.0}, {"NumberType", int(TNumberEdit::ntInteger)}}));
    EXPECT_EQ(declaredOf(TUnitEdit::staticMetaObject), (Table{{"Unit", QString()},
                                                              {"Value", 0.0},
                                                              {"EditColor", 0x80000005u},
                                                              {"UnitColor", 0x8000000Fu}}));
    const int classesRoot = TJStorage::atrkClassesRoot;
    EXPECT_EQ(
        declaredOf(TMRUCombo::staticMetaObject),
        (Table{{"StorageKey", QString()}, {"StorageRootKey", classesRoot}, {"ShowLatest", true}}));
    EXPECT_EQ(declaredOf(TJMostRecentlyUsedList::staticMetaObject),
              (Table{{"StorageKey", QString()},
                     {"StorageRootKey", classesRoot},
                     {"AutoSave", true},
                     {"HideInUse", true},
                     {"NumberAccelerators", true},
                     {"NumberOffset", 0u},
                     {"SortBy", int(TJMostRecentlyUsedList::skMostRecent)},
                     {"MaxItems", 0u},
                     {"MenuKind", int(TJMostRecentlyUsedList::mkSubMenu)}}));
    EXPECT_EQ(declaredOf(TDebugHelper::staticMetaObject),
              (Table{{"StorageKey", QString()},
                     {"StorageRootKey", classesRoot},
                     {"ActiveOnCreation", int(TDebugHelper::aocFromRegistry)}}));
    EXPECT_EQ(declaredOf(TJStorage::staticMetaObject),
              (Table{{"Key", QString()}, {"RegistryRootKey", classesRoot}}));
    EXPECT_EQ(declaredOf(TURLStatic::staticMetaObject),
              (Table{{"ShowAccelChar", true}, {"URL", QString()}}));
    EXPECT_EQ(declaredOf(TVersionLabel::staticMetaObject), (Table{{"ShowAccelChar", true}}));
}

TEST(DeclaredDefaults, onlyDefaultsANewObjectDoesNotHoldAreAlwaysStored)
{
    using Names = std::set<QByteArray>;
    EXPECT_EQ(alwaysStoredOf(TFancyButton::staticMetaObject), Names{"NumGlyphs"});
    EXPECT_EQ(alwaysStoredOf(TAnimatedLabel::staticMetaObject), Names{});
    EXPECT_EQ(alwaysStoredOf(TNumberEdit::staticMetaObject), Names{});
    EXPECT_EQ(alwaysStoredOf(TUnitEdit::staticMetaObject), Names{});
    EXPECT_EQ(alwaysStoredOf(TMRUCombo::staticMetaObject), (Names{"ShowLatest", "StorageRootKey"}));
    EXPECT_EQ(alwaysStoredOf(TJMostRecentlyUsedList::staticMetaObject),
              (Names{"MaxItems", "StorageRootKey"}));
    EXPECT_EQ(alwaysStoredOf(TDebugHelper::staticMetaObject),
              (Names{"StorageKey", "StorageRootKey"}));
    EXPECT_EQ(alwaysStoredOf(TJStorage::staticMetaObject), Names{"RegistryRootKey"});
    EXPECT_EQ(alwaysStoredOf(TURLStatic::staticMetaObject), Names{});
}

TEST(DeclaredDefaults, aValueAtItsDefaultIsLeftOutAndAChangedOneKept)
{
    const DeclaredDefaults defaults(&TFancyButton::staticMetaObject);
    TFancyButton button;
    for (const char *name : {"State", "ModalResult", "AllowAllUp", "GroupIndex", "Down", "Glyph",
                             "TextOffsetLeft", "TextOffsetTop", "TextShadowColor"})
        EXPECT_FALSE(defaults.isStored(&button, name)) << name;
    button.SetState(fbsUp);
    button.SetModalResult(TFancyButton::mrCancel);
    button.SetGroupIndex(4);
    button.SetTextShadowColor(0x00FF00);
    QPixmap glyph(16, 16);
    glyph.fill(Qt::red);
    button.SetGlyph(glyph);
    for (const char *name : {"State", "ModalResult", "GroupIndex", "TextShadowColor", "Glyph"})
        EXPECT_TRUE(defaults.isStored(&button, name)) << name;
    button.SetGroupIndex(0);
    EXPECT_FALSE(defaults.isStored(&button, "GroupIndex"));
}

TEST(DeclaredDefaults, aDefaultANewObjectDoesNotHoldIsKeptEvenWhenSetToIt)
{
    TJMostRecentlyUsedList list;
    list.SetMaxItems(0);
    EXPECT_TRUE(DeclaredDefaults(list.metaObject()).isStored(&list, "MaxItems"));
    TMRUCombo combo;
    combo.SetShowLatest(true);
    combo.SetStorageRootKey(TJStorage::atrkClassesRoot);
    const DeclaredDefaults defaults(combo.metaObject());
    EXPECT_TRUE(defaults.isStored(&combo, "ShowLatest"));
    EXPECT_TRUE(defaults.isStored(&combo, "StorageRootKey"));
    EXPECT_FALSE(defaults.isStored(&combo, "StorageKey"));
    combo.SetStorageKey("Software\\Test");
    EXPECT_TRUE(defaults.isStored(&combo, "StorageKey"));
}

TEST(DeclaredDefaults, propertiesWithoutADeclaredDefaultFollowTheirStoredFlag)
{
    TNumberEdit edit;
    edit.setProperty("note", 1);
    const DeclaredDefaults defaults(edit.metaObject());
    EXPECT_FALSE(defaults.isStored(&edit, "text")); // STORED false: the form keeps Value
    EXPECT_TRUE(defaults.isStored(&edit, "objectName"));
    EXPECT_TRUE(defaults.isStored(&edit, "note"));
    EXPECT_FALSE(defaults.isStored(nullptr, "Value"));
}

TEST(DeclaredDefaults, unusableDeclarationsAreReportedAndCountAsNoDefault)
{
    const DeclaredDefaults defaults(&Declared::staticMetaObject);
    EXPECT_EQ(defaults.faults(), (QList<QByteArray>{"Flag", "Missing"}));
    ASSERT_EQ(defaults.entries().size(), 1u);
    Declared object;
    EXPECT_FALSE(defaults.isStored(&object, "Count"));
    EXPECT_TRUE(defaults.isStored(&object, "Flag"));
}

TEST(DeclaredDefaults, aSubclassMayDeclareAnotherDefault)
{
    const DeclaredDefaults defaults(&Redeclared::staticMetaObject);
    ASSERT_NE(defaults.find("Count"), nullptr);
    EXPECT_EQ(defaults.find("Count")->value, 5);
    Redeclared object;
    EXPECT_FALSE(defaults.isStored(&object, "Count"));
    object.SetCount(3);
    EXPECT_TRUE(defaults.isStored(&object, "Count"));
}

TEST(DeclaredDefaults, aClassThatCannotBeBuiltHasEveryDeclaredPropertyKept)
{
    const DeclaredDefaults defaults(&Unbuildable::staticMetaObject);
    Unbuildable object(0);
    EXPECT_TRUE(defaults.isStored(&object, "Count"));
}

#include "DeclaredDefaultsTest.moc"
