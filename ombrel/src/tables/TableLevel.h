// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <cstdint>
#include <vector>

namespace ombrel {

// The exact values of every position of one level (one total of seeds on the
// board), four bits a position, in the order of PositionIndex.
class TableLevel
{
public:
    TableLevel() = default;
    TableLevel(int seeds, std::vector<std::uint8_t> packed, std::uint64_t endless);

    int Seeds() const noexcept { return m_seeds; }
    std::uint64_t Positions() const noexcept;
    // Positions whose value rests on a round that never ends (scored 0).
    std::uint64_t Endless() const noexcept { return m_endless; }
    const std::vector<std::uint8_t> &Packed() const noexcept { return m_packed; }

    // Groups the mover takes minus groups the other player takes for the rest
    // of the round, under perfect play.
    int Value(std::uint64_t index) const noexcept
    {
        return int((m_packed[index >> 1] >> ((index & 1) * 4)) & 15u) - ValueBias;
    }

    static constexpr int ValueBias = 8;
    // A stored value lies within +/- MaxValue(seeds): every group taken is four of them.
    static int MaxValue(int seeds) noexcept { return seeds / 4; }

private:
    int m_seeds = -1;
    std::vector<std::uint8_t> m_packed;
    std::uint64_t m_endless = 0;
};

} // namespace ombrel
