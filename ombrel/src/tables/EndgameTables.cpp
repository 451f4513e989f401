// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "EndgameTables.h"

#include "PositionIndex.h"
#include "TableFile.h"
#include "TableMove.h"

#include <cstdlib>
#include <stdexcept>
#include <utility>

#include <sys/stat.h>

namespace ombrel {

void EndgameTables::Add(TableLevel level)
{
    if (level.Seeds() != MaxSeeds() + 1)
        throw std::invalid_argument("table levels must be added in order");
    m_levels.push_back(std::move(level));
}

int EndgameTables::Value(const SeedArray &canonical, int moverHouses, int seeds) const noexcept
{
    return m_levels[std::size_t(seeds)].Value(PositionIndex::Index(canonical, moverHouses, seeds));
}

bool EndgameTables::Probe(const SeedArray &seeds, int player1Houses, int mover,
                          int &value) const noexcept
{
    int total = 0;
    for (const int s : seeds) {
        if (s < 0)
            return false;
        total += s;
    }
    if (total > MaxSeeds() || player1Houses < 0 || player1Houses > HouseCount)
        return false;
    const CanonicalPosition p = PositionIndex::Canonical(seeds, player1Houses, mover);
    value = Value(p.Seeds, p.MoverHouses, total);
    return true;
}

bool EndgameTables::ProbeMoves(const SeedArray &seeds, int player1Houses, int mover,
                               MoveValues &out) const
{
    int value = 0;
    if (!Probe(seeds, player1Houses, mover, value))
        return false;
    out = MoveValues{};
    const CanonicalPosition p = PositionIndex::Canonical(seeds, player1Houses, mover);
    for (int i = 0; i < p.MoverHouses; ++i) {
        if (p.Seeds[i] == 0)
            continue;
        const TableMove m = TableMove::Play(p.Seeds, p.MoverHouses, i);
        const int v = m.RoundEnds ? m.Gain : m.Gain - Value(m.Child, m.ChildHouses, m.ChildSeeds);
        const int house = (i + p.Rotation) % HouseCount;
        out.Values[house] = v;
        out.Playable[house] = true;
        if (v > out.Best)
            out.Best = v;
    }
    return true;
}

bool EndgameTables::LoadFrom(const std::string &directory, int maxSeeds, std::string &error)
{
    m_levels.clear();
    for (int s = 0; s <= maxSeeds && s <= MaxTableSeeds; ++s) {
        const std::string path = TableFile::PathFor(directory, s);
        struct stat info;
        if (::stat(path.c_str(), &info) != 0)
            return true; // not built yet: the levels below are usable
        TableLevel level;
        if (!TableFile::Read(path, s, level, error))
            return false;
        m_levels.push_back(std::move(level));
    }
    return true;
}

std::string EndgameTables::DefaultDirectory()
{
    const char *cache = std::getenv("XDG_CACHE_HOME");
    if (cache && *cache == '/')
        return std::string(cache) + "/ombrel/tables";
    const char *home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.cache/ombrel/tables";
}

} // namespace ombrel
