// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// The file of one table level:
//
//   offset  size  field
//        0     8  "OMBRELTB"
//        8     4  format version (FormatVersion), little-endian
//       12     4  seeds on the board in this level
//       16     8  positions (13 x C(seeds + 11, 11))
//       24     8  positions whose value rests on an endless round
//       32     8  payload bytes ((positions + 1) / 2)
//       40     8  FNV-1a 64 checksum of bytes 0..39 and of the payload
//       48     -  payload: one value a nibble, low nibble first, value + 8
//
// A file is written to a temporary name, flushed to the disk and renamed, so a
// level on the disk is always whole. Reading checks every field, the length to
// the last byte, the checksum and that every value lies within the range the
// level allows, and says what is wrong otherwise.

#include "TableLevel.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace ombrel {

class TableFile
{
public:
    static constexpr std::uint32_t FormatVersion = 1;
    static constexpr std::size_t HeaderSize = 48;

    // "seeds-NN.ombt" in `directory`.
    static std::string PathFor(const std::string &directory, int seeds);

    // Checks and decodes a whole file held in memory; on failure `error`
    // says why and `level` is left alone.
    static bool Parse(const std::uint8_t *data, std::size_t size, int expectedSeeds,
                      TableLevel &level, std::string &error);
    static bool Read(const std::string &path, int expectedSeeds, TableLevel &level,
                     std::string &error);
    // All or nothing: the file appears complete or not at all.
    static bool Write(const std::string &path, const TableLevel &level, std::string &error);

    static std::string Encode(const TableLevel &level);
};

} // namespace ombrel
