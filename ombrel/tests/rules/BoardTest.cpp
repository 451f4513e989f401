// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "rules/Board.h"

#include <gtest/gtest.h>

using namespace ombrel;

namespace {

struct OwnershipCase
{
    int player1Houses;
    std::array<int, 12> owners;
};

class Ownership : public ::testing::TestWithParam<OwnershipCase>
{
};

TEST_P(Ownership, followsTheHouseSplit)
{
    const auto &c = GetParam();
    for (int h = 0; h < HouseCount; ++h)
        EXPECT_EQ(OwnerOf(c.player1Houses, h), c.owners[h]) << "house " << h;
    const OwnerTable table = OwnerTableFor(c.player1Houses);
    for (int h = 0; h < HouseCount; ++h)
        EXPECT_EQ(table[h], c.owners[h]);
}

INSTANTIATE_TEST_SUITE_P(Board, Ownership,
                         ::testing::Values(OwnershipCase{0, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
                                           OwnershipCase{4, {0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1}},
                                           OwnershipCase{5, {0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1}},
                                           OwnershipCase{6, {0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1}},
                                           OwnershipCase{7, {0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 0}},
                                           OwnershipCase{8, {0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 0, 0}},
                                           OwnershipCase{12,
                                                         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}));

TEST(Board, initBoardGivesTheOpeningPosition)
{
    TBoard b;
    InitBoard(b);
    EXPECT_EQ(b.Player1Houses, 6);
    for (int h = 0; h < HouseCount; ++h)
        EXPECT_EQ(b.Seeds[h], 4);
    EXPECT_EQ(b.Mover, 0);
    EXPECT_EQ(b.RoundStarter, 0);
    EXPECT_EQ(b.Taken, (StoreArray{0, 0}));
    EXPECT_EQ(SeedTotal(b), 48);
}

TEST(Board, newRoundAlternatesTheOpener)
{
    TBoard b;
    InitBoard(b);
    b.Taken = {6, 6};
    NewRound(b);
    EXPECT_EQ(b.Mover, 1);
    EXPECT_EQ(b.RoundStarter, 1);
    b.Taken = {6, 6};
    NewRound(b);
    EXPECT_EQ(b.Mover, 0);
    EXPECT_EQ(b.RoundStarter, 0);
}

TEST(Board, newRoundTurnsTheStoresIntoHouses)
{
    TBoard b;
    InitBoard(b);
    b.Seeds.fill(0);
    b.InHand = 3;
    b.Taken = {9, 3};
    NewRound(b);
    EXPECT_EQ(b.Player1Houses, 9);
    EXPECT_EQ(b.Taken, (StoreArray{0, 0}));
    EXPECT_EQ(b.InHand, 0);
    for (int h = 0; h < HouseCount; ++h)
        EXPECT_EQ(b.Seeds[h], 4);
    for (int h : {0, 1, 2, 3, 4, 5, 9, 10, 11})
        EXPECT_EQ(OwnerOf(b, h), 0) << h;
    for (int h : {6, 7, 8})
        EXPECT_EQ(OwnerOf(b, h), 1) << h;
}

TEST(Board, seedsOfAndCanPlayRespectOwnership)
{
    TBoard b;
    InitBoard(b);
    b.Seeds = {1, 0, 2, 0, 0, 0, 5, 0, 0, 0, 0, 7};
    EXPECT_EQ(SeedsOf(b, 0), 3);
    EXPECT_EQ(SeedsOf(b, 1), 12);
    EXPECT_TRUE(CanPlay(b, 0, 0));
    EXPECT_FALSE(CanPlay(b, 0, 1)); // empty
    EXPECT_FALSE(CanPlay(b, 0, 6)); // the other player's
    EXPECT_TRUE(CanPlay(b, 1, 11));
    b.Player1Houses = 0;
    EXPECT_EQ(SeedsOf(b, 0), 0);
    EXPECT_EQ(SeedsOf(b, 1), 15);
    b.Player1Houses = 12;
    EXPECT_EQ(SeedsOf(b, 0), 15);
}

TEST(Board, snapshotsCarrySeedsAndStoresOnly)
{
    TBoard b;
    InitBoard(b);
    b.Taken = {2, 3};
    TSituation s;
    TakeSnapshot(s, b);
    TBoard other;
    InitBoard(other);
    other.Mover = 1;
    other.Player1Houses = 8;
    RestoreSnapshot(s, other);
    EXPECT_EQ(other.Seeds, b.Seeds);
    EXPECT_EQ(other.Taken, b.Taken);
    EXPECT_EQ(other.Mover, 1);
    EXPECT_EQ(other.Player1Houses, 8);
}

} // namespace
