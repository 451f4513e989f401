// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "PositionIndex.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace ombrel;

namespace {

TEST(PositionIndex, levelSizesAreThirteenSplitsOfEveryDistribution)
{
    EXPECT_EQ(PositionIndex::LevelSize(0), 13u);
    EXPECT_EQ(PositionIndex::LevelSize(1), 13u * 12u);
    EXPECT_EQ(PositionIndex::LevelSize(12), 13u * 1352078u);
}

// Walking in rank order, unranking and ranking agree on every distribution.
TEST(PositionIndex, walkRankAndUnrankAreOneBijection)
{
    for (int seeds : {0, 1, 2, 5, 7}) {
        const std::uint64_t n = PositionIndex::Distributions(seeds);
        DistributionWalk walk(0, seeds);
        for (std::uint64_t r = 0; r < n; ++r) {
            const SeedArray &s = walk.Seeds();
            ASSERT_EQ(std::accumulate(s.begin(), s.end(), 0), seeds);
            ASSERT_EQ(PositionIndex::Rank(s), r);
            ASSERT_EQ(PositionIndex::Unrank(r, seeds), s);
            walk.Next();
        }
    }
}

TEST(PositionIndex, rankRotatedReadsFromTheGivenHouse)
{
    const SeedArray s{1, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 4};
    const SeedArray rotated{0, 0, 0, 0, 0, 0, 0, 4, 1, 2, 3, 0};
    EXPECT_EQ(PositionIndex::RankRotated(s, 4), PositionIndex::Rank(rotated));
}

// The mover's houses come first, in sowing order, for every split and side.
TEST(PositionIndex, canonicalPutsTheMoversArcFirst)
{
    SeedArray seeds;
    std::iota(seeds.begin(), seeds.end(), 0);
    for (int n = 0; n <= HouseCount; ++n) {
        for (int mover = 0; mover < 2; ++mover) {
            const CanonicalPosition p = PositionIndex::Canonical(seeds, n, mover);
            EXPECT_EQ(p.MoverHouses, mover == 0 ? n : HouseCount - n);
            for (int i = 0; i < HouseCount; ++i) {
                const int house = p.Seeds[i]; // the seeds name their house
                EXPECT_EQ(house, (i + p.Rotation) % HouseCount);
                EXPECT_EQ(OwnerOf(n, house) == mover, i < p.MoverHouses)
                    << "split " << n << " mover " << mover << " house " << house;
            }
        }
    }
}

} // namespace
