// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <cstdint>

namespace ombrel {

// The computer's random generator: a 64-bit linear congruential generator
// (state = state x 22695477 + 1, modulo 2^64) that yields the upper 32 bits of
// each new state with the top bit cleared, 0 .. 2^31 - 1. Small and fully
// reproducible from its seed, which tests rely on.
class Random
{
public:
    explicit Random(std::uint64_t seed = 0) noexcept : m_state(seed) {}

    void Seed(std::uint64_t seed) noexcept { m_state = seed; }
    std::uint64_t State() const noexcept { return m_state; }

    std::uint32_t Next() noexcept
    {
        m_state = m_state * 22695477u + 1u;
        return std::uint32_t(m_state >> 32) & 0x7FFFFFFFu;
    }

    // One of 0 .. count - 1 (count > 0).
    int Below(int count) noexcept { return int(Next() % std::uint32_t(count)); }

private:
    std::uint64_t m_state;
};

} // namespace ombrel
