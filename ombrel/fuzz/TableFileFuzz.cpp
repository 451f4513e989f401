// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// The endgame-table reader on any bytes: it must refuse or accept, never read
// out of bounds, and what it accepts must probe safely.
#include "TableFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace ombrel;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    // Small levels only, so that a header cannot ask for gigabytes; the level
    // the caller expects is taken from the header's own field most of the time.
    const int expected = size > 12 ? data[12] % 6 : 0;
    TableLevel level;
    std::string error;
    if (TableFile::Parse(data, size, expected, level, error)) {
        int sum = 0;
        for (std::uint64_t i = 0; i < level.Positions(); ++i)
            sum += level.Value(i);
        (void)sum;
        (void)TableFile::Encode(level);
    }
    return 0;
}
