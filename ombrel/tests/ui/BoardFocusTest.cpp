// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "ui/BoardFocus.h"
#include "ui/BoardGeometry.h"

#include <gtest/gtest.h>

using namespace ombrel;
using Direction = BoardFocus::Direction;

namespace {

struct Step
{
    int from;
    Direction direction;
    int to;
};

// Houses as the player sees them:   top    11 10  9  8  7  6
//                                   bottom  0  1  2  3  4  5
const Step Steps[] = {
    {0, Direction::Right, 1},  {4, Direction::Right, 5}, {5, Direction::Right, 5},
    {0, Direction::Left, 0},   {3, Direction::Left, 2},  {11, Direction::Right, 10},
    {7, Direction::Right, 6},  {6, Direction::Right, 6}, {6, Direction::Left, 7},
    {11, Direction::Left, 11}, {0, Direction::Up, 11},   {2, Direction::Up, 9},
    {5, Direction::Up, 6},     {9, Direction::Up, 9},    {9, Direction::Down, 2},
    {6, Direction::Down, 5},   {1, Direction::Down, 1},
};

class BoardFocusMoves : public ::testing::TestWithParam<Step>
{
};

} // namespace

TEST_P(BoardFocusMoves, followTheScreenAndStopAtTheEdges)
{
    const Step step = GetParam();
    BoardFocus focus;
    focus.SetHouse(step.from);
    EXPECT_EQ(focus.Move(step.direction), step.from != step.to);
    EXPECT_EQ(focus.House(), step.to);
}

INSTANTIATE_TEST_SUITE_P(Arrows, BoardFocusMoves, ::testing::ValuesIn(Steps));

TEST(BoardFocus, rightAlongEachRowRunsLeftToRightOnTheScreen)
{
    for (int row = 0; row < 2; ++row) {
        BoardFocus focus;
        focus.SetHouse(row == 0 ? 0 : 11);
        int lastLeft = HouseLeft(focus.House());
        while (focus.Move(Direction::Right)) {
            EXPECT_EQ(HouseLeft(focus.House()), lastLeft + HouseSize);
            lastLeft = HouseLeft(focus.House());
        }
        EXPECT_EQ(lastLeft, 5 * HouseSize);
    }
}

TEST(BoardFocus, keepsItsHouseForHousesOffTheBoard)
{
    BoardFocus focus;
    focus.SetHouse(7);
    focus.SetHouse(12);
    focus.SetHouse(-1);
    EXPECT_EQ(focus.House(), 7);
}

TEST(BoardGeometry, itemsAreWhatIsDrawnThere)
{
    EXPECT_EQ(ItemAt(10, 10), FirstStoreItem + 1);   // Player 2's captured groups
    EXPECT_EQ(ItemAt(437, 230), FirstStoreItem + 0); // Player 1's, to the right edge
    EXPECT_EQ(ItemAt(10, 45), -1);                   // between the rows
    EXPECT_EQ(ItemAt(10, 60), 11);
    EXPECT_EQ(ItemAt(10, 130), 0);
    EXPECT_EQ(ItemAt(435, 130), -1); // right of the houses
    EXPECT_EQ(ItemAt(10, 240), -1);
    for (int h = 0; h < 12; ++h)
        EXPECT_EQ(ItemAt(HouseLeft(h) + 1, HouseTop(h) + 71), h);
}
