// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "ui/BoardGeometry.h"

#include <gtest/gtest.h>

using namespace ombrel;

TEST(BoardGeometry, housesSitInTwoRowsTheTopOneRunningRightToLeft)
{
    EXPECT_EQ(HouseLeft(0), 0);
    EXPECT_EQ(HouseLeft(5), 360);
    EXPECT_EQ(HouseLeft(6), 360);
    EXPECT_EQ(HouseLeft(11), 0);
    EXPECT_EQ(HouseTop(0), 122);
    EXPECT_EQ(HouseTop(5), 122);
    EXPECT_EQ(HouseTop(6), 50);
    EXPECT_EQ(HouseTop(11), 50);
}

// Every pixel of the surface: 72-pixel columns, the rows split at y 122, the
// top row counted from the right, and the six pixels right of the last
// column (x 432..437) on no house.
TEST(BoardGeometry, everyPointOfTheSurfaceFindsItsColumnAndRow)
{
    for (int y = 0; y < SurfaceHeight; ++y) {
        for (int x = 0; x < SurfaceWidth; ++x) {
            const int column = x / 72;
            const int expected = column >= 6 ? -1 : (y < 122 ? 11 - column : column);
            ASSERT_EQ(HouseAt(x, y), expected) << x << "," << y;
        }
    }
}

TEST(BoardGeometry, eachHouseCellMapsBackToItsHouse)
{
    for (int h = 0; h < 12; ++h) {
        EXPECT_EQ(HouseAt(HouseLeft(h), HouseTop(h)), h);
        EXPECT_EQ(HouseAt(HouseLeft(h) + HouseSize - 1, HouseTop(h) + HouseSize - 1), h);
    }
}

TEST(BoardGeometry, releasesOutsideTheSurfaceSelectNoHouse)
{
    for (const auto &[x, y] : {std::pair{-1, 10},
                               {10, -1},
                               {SurfaceWidth, 10},
                               {10, SurfaceHeight},
                               {-100000, 100000},
                               {1 << 30, 1 << 30}})
        EXPECT_EQ(HouseAt(x, y), -1) << x << "," << y;
}
