// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// The game file reader on any bytes, with a round trip as its oracle: a file
// that reads as a game must write out as a file that reads as the same game,
// replays to the same position and writes out the same text again.
#include "GameFile.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

using ombrel::GameFile;

namespace {

[[noreturn]] void Fail(const char *why, const std::string &text)
{
    std::fprintf(stderr, "%s:\n%s\n", why, text.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    const std::string_view file(reinterpret_cast<const char *>(data), size);
    const GameFile::ReadResult first = GameFile::Parse(file);
    if (!first.Ok())
        return 0;
    const std::string written = GameFile::Format(first.Record);
    const GameFile::ReadResult second = GameFile::Parse(written);
    if (!second.Ok())
        Fail(("the written game does not read: " + second.Error.English()).c_str(), written);
    if (!(second.Record == first.Record))
        Fail("the written game reads as another game", written);
    const ombrel::TBoard &a = first.Replay.Final();
    const ombrel::TBoard &b = second.Replay.Final();
    if (a.Seeds != b.Seeds || a.Taken != b.Taken || a.Mover != b.Mover ||
        a.Player1Houses != b.Player1Houses)
        Fail("the written game replays to another position", written);
    if (GameFile::Format(second.Record) != written)
        Fail("the game writes out differently the second time", written);
    return 0;
}
