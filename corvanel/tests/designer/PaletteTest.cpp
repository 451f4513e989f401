// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// The palette registry, and what each unit's Register() puts on it.
#include "Palette.h"
#include "UnitRegistrations.h"
#include <corvanel/Component.h>

#include <QLabel>
#include <QObject>
#include <QWidget>
#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>

using corvanel::Palette;
using corvanel::PaletteEntry;

namespace {

TEST(Palette, addingTheSameClassTwiceReplacesTheEntry)
{
    Palette::clear();
    Palette::add({"Corvanel", "X", "X.h", "first", {}, {}, {}});
    Palette::add({"Corvanel 2", "Y", "Y.h", "", {}, {}, {}});
    Palette::add({"Corvanel", "X", "X.h", "second", {}, {}, {}});
    ASSERT_EQ(Palette::entries().size(), 2u);
    ASSERT_NE(Palette::find("X"), nullptr);
    EXPECT_EQ(Palette::find("X")->toolTip, "second");
    EXPECT_EQ(Palette::find("Z"), nullptr);
    Palette::clear();
}

struct Registration
{
    const char *name;
    void (*registerUnit)();
    const char *className;
    const char *page;
    const char *header;
    bool widget;
    const char *designCaption = nullptr;
};

const Registration kRegistrations[] = {
    {"mruList", corvanel::JMRU::Register, "corvanel::TJMostRecentlyUsedList", "Corvanel",
     "corvanel/JMRU.h", false},
    {"mruCombo", corvanel::MRUCombo::Register, "corvanel::TMRUCombo", "Corvanel",
     "corvanel/MRUCombo.h", true},
    {"undoAction", corvanel::undo::Register, "corvanel::JAction", "Corvanel", "corvanel/undo.h",
     false},
    {"undoSingleBuffer", corvanel::undo::Register, "corvanel::TUndoSingleBuffer", "Corvanel",
     "corvanel/undo.h", false},
    {"undoMultiBuffer", corvanel::undo::Register, "corvanel::TUndoMultiBuffer", "Corvanel",
     "corvanel/undo.h", false},
    {"debugHelper", corvanel::Debug::Register, "corvanel::TDebugHelper", "Corvanel",
     "corvanel/Debug.h", false},
    {"fancyButton", corvanel::FancyButton::Register, "corvanel::TFancyButton", "Corvanel 2",
     "corvanel/FancyButton.h", true},
    {"animatedLabel", corvanel::AnimatedLabel::Register, "corvanel::TAnimatedLabel", "Corvanel 2",
     "corvanel/AnimatedLabel.h", true},
    {"numberEdit", corvanel::NumberEdit::Register, "corvanel::TNumberEdit", "Corvanel 2",
     "corvanel/NumberEdit.h", true},
    {"unitEdit", corvanel::UnitEdit::Register, "corvanel::TUnitEdit", "Corvanel 2",
     "corvanel/UnitEdit.h", true},
    {"versionLabel", corvanel::Version::Register, "corvanel::TVersionLabel", "Corvanel 2",
     "corvanel/Version.h", true, "Version"},
    {"hyperlinkLabel", corvanel::URLStatic::Register, "corvanel::TURLStatic", "Corvanel 2",
     "corvanel/URLStatic.h", true, "URLStatic"},
};

void PrintTo(const Registration &r, std::ostream *os)
{
    *os << r.className;
}

class UnitRegistration : public ::testing::TestWithParam<Registration>
{
protected:
    void SetUp() override { Palette::clear(); }
    void TearDown() override { Palette::clear(); }
};

// The component a palette entry makes is of the registered class, belongs to
// the parent it was given and is in design mode.
TEST_P(UnitRegistration, putsItsClassOnItsPageMadeInDesignMode)
{
    const Registration &r = GetParam();
    r.registerUnit();
    const PaletteEntry *entry = Palette::find(QString::fromLatin1(r.className));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->page, r.page);
    EXPECT_EQ(entry->includeFile, r.header);
    EXPECT_FALSE(entry->toolTip.isEmpty());
    ASSERT_EQ(bool(entry->createWidget), r.widget);
    ASSERT_NE(bool(entry->createObject), r.widget);

    QWidget parent;
    QObject *made = r.widget ? entry->createWidget(&parent) : entry->createObject(&parent);
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(made->inherits(r.className)) << made->metaObject()->className();
    EXPECT_EQ(made->parent(), &parent);
    auto *component = dynamic_cast<corvanel::Component *>(made);
    ASSERT_NE(component, nullptr);
    EXPECT_TRUE(component->isDesigning());
    if (r.designCaption) {
        auto *label = qobject_cast<QLabel *>(made);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), r.designCaption);
    }
}

INSTANTIATE_TEST_SUITE_P(Palette, UnitRegistration, ::testing::ValuesIn(kRegistrations),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(UnitRegistrations, everyUnitTogetherOfferEachClassOnceAlsoWhenRunTwice)
{
    Palette::clear();
    corvanel::registerAllUnits();
    corvanel::registerAllUnits();
    std::set<QString> registered;
    for (const PaletteEntry &entry : Palette::entries())
        registered.insert(entry.className);
    std::set<QString> expected;
    for (const Registration &r : kRegistrations)
        expected.insert(QString::fromLatin1(r.className));
    EXPECT_EQ(registered, expected);
    EXPECT_EQ(Palette::entries().size(), expected.size());
    Palette::clear();
}

} // namespace
