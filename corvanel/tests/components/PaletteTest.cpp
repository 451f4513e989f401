// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "Palette.h"

#include <gtest/gtest.h>

using corvanel::Palette;
using corvanel::PaletteEntry;

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
