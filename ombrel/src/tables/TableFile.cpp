// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "TableFile.h"

#include "PositionIndex.h"
#include "files/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace ombrel {

namespace {

constexpr char Magic[8] = {'O', 'M', 'B', 'R', 'E', 'L', 'T', 'B'};

std::uint64_t fnv1a(const std::uint8_t *data, std::size_t size, std::uint64_t hash)
{
    for (std::size_t i = 0; i < size; ++i) {
        hash ^= data[i];
        hash *= 0x100000001b3ull;
    }
    return hash;
}

constexpr std::uint64_t FnvStart = 0xcbf29ce484222325ull;

void put(std::string &out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(char(value >> (8 * i) & 0xFF));
}

std::uint64_t get(const std::uint8_t *data, int bytes)
{
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= std::uint64_t(data[i]) << (8 * i);
    return value;
}

std::string errnoText()
{
    return std::strerror(errno);
}

} // namespace

std::string TableFile::PathFor(const std::string &directory, int seeds)
{
    char name[32];
    std::snprintf(name, sizeof name, "seeds-%02d.ombt", seeds);
    return directory + "/" + name;
}

std::string TableFile::Encode(const TableLevel &level)
{
    std::string out(Magic, sizeof Magic);
    put(out, FormatVersion, 4);
    put(out, std::uint32_t(level.Seeds()), 4);
    put(out, level.Positions(), 8);
    put(out, level.Endless(), 8);
    put(out, level.Packed().size(), 8);
    std::uint64_t sum =
        fnv1a(reinterpret_cast<const std::uint8_t *>(out.data()), out.size(), FnvStart);
    sum = fnv1a(level.Packed().data(), level.Packed().size(), sum);
    put(out, sum, 8);
    out.append(reinterpret_cast<const char *>(level.Packed().data()), level.Packed().size());
    return out;
}

bool TableFile::Parse(const std::uint8_t *data, std::size_t size, int expectedSeeds,
                      TableLevel &level, std::string &error)
{
    if (size < HeaderSize || std::memcmp(data, Magic, sizeof Magic) != 0) {
        error = "not an Ombrel endgame table";
        return false;
    }
    const std::uint64_t version = get(data + 8, 4);
    if (version != FormatVersion) {
        error = "table format " + std::to_string(version) + ", this program reads format " +
                std::to_string(FormatVersion) + " (rebuild the tables)";
        return false;
    }
    const std::uint64_t seeds = get(data + 12, 4);
    if (seeds != std::uint64_t(expectedSeeds) || expectedSeeds < 0 ||
        expectedSeeds > MaxTableSeeds) {
        error = "the file holds the level of " + std::to_string(seeds) + " seeds, not " +
                std::to_string(expectedSeeds);
        return false;
    }
    const std::uint64_t positions = PositionIndex::LevelSize(expectedSeeds);
    const std::uint64_t payload = (positions + 1) / 2;
    if (get(data + 16, 8) != positions || get(data + 32, 8) != payload ||
        get(data + 24, 8) > positions) {
        error = "the header's counts do not fit the level";
        return false;
    }
    if (size - HeaderSize != payload) {
        error = "the file is " + std::to_string(size) + " bytes long, not " +
                std::to_string(HeaderSize + payload) + " (damaged)";
        return false;
    }
    std::uint64_t sum = fnv1a(data, 40, FnvStart);
    sum = fnv1a(data + HeaderSize, payload, sum);
    if (sum != get(data + 40, 8)) {
        error = "the checksum does not match (damaged)";
        return false;
    }
    const int limit = TableLevel::MaxValue(expectedSeeds);
    for (std::uint64_t i = 0; i < positions; ++i) {
        const int v =
            int((data[HeaderSize + (i >> 1)] >> ((i & 1) * 4)) & 15u) - TableLevel::ValueBias;
        if (v < -limit || v > limit) {
            error = "a value lies outside the level's range (damaged)";
            return false;
        }
    }
    if ((positions & 1) != 0 && (data[HeaderSize + payload - 1] >> 4) != 0) {
        error = "the padding nibble is not zero (damaged)";
        return false;
    }
    level = TableLevel(expectedSeeds,
                       std::vector<std::uint8_t>(data + HeaderSize, data + HeaderSize + payload),
                       get(data + 24, 8));
    return true;
}

bool TableFile::Read(const std::string &path, int expectedSeeds, TableLevel &level,
                     std::string &error)
{
    std::FILE *f = std::fopen(path.c_str(), "rb");
    if (!f) {
        error = path + ": " + errnoText();
        return false;
    }
    std::vector<std::uint8_t> data;
    std::uint8_t buffer[1 << 16];
    std::size_t n;
    // Bounded by the largest level the index can hold, whatever the file says.
    const std::size_t limit = HeaderSize + (PositionIndex::LevelSize(MaxTableSeeds) + 1) / 2;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0 && data.size() <= limit)
        data.insert(data.end(), buffer, buffer + n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) {
        error = path + ": read error";
        return false;
    }
    if (!Parse(data.data(), data.size(), expectedSeeds, level, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

bool TableFile::Write(const std::string &path, const TableLevel &level, std::string &error)
{
    if (const std::string why = AtomicFile::Write(path, Encode(level)); !why.empty()) {
        error = path + ": " + why;
        return false;
    }
    return true;
}

} // namespace ombrel
