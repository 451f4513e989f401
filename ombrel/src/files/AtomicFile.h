// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// Replaces a file all or nothing: the new content goes to a temporary file in
// the same folder, is written to the last byte, flushed to the disk, and only
// then renamed over the old file, so a full disk, a crash or a power cut
// leaves either the old file or the new one, never a part.

#include <string>
#include <string_view>

namespace ombrel {

class AtomicFile
{
public:
    // Writes `data` to `path`; returns "" on success, else the system's reason
    // (the old file, if any, is then as it was and no temporary file is left).
    // A file replaced keeps its permissions; a new one gets 0666 less the umask.
    // A symbolic link is followed: the file it names is replaced.
    static std::string Write(const std::string &path, std::string_view data);
};

} // namespace ombrel
