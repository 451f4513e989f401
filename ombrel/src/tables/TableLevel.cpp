// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "TableLevel.h"

#include "PositionIndex.h"

#include <utility>

namespace ombrel {

TableLevel::TableLevel(int seeds, std::vector<std::uint8_t> packed, std::uint64_t endless)
    : m_seeds(seeds), m_packed(std::move(packed)), m_endless(endless)
{}

std::uint64_t TableLevel::Positions() const noexcept
{
    return m_seeds < 0 ? 0 : PositionIndex::LevelSize(m_seeds);
}

} // namespace ombrel
