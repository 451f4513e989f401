// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// Runs ombrel-engine (or any shell command) as a user would and keeps what it
// printed, stderr folded into stdout, with its exit status.

#include <array>
#include <cstdio>
#include <string>

#include <sys/wait.h>

namespace ombrel::test {

struct EngineRun
{
    std::string out;
    int status = -1;
};

inline EngineRun run(const std::string &shell)
{
    EngineRun r;
    const std::string command = shell + " 2>&1";
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return r;
    std::array<char, 4096> buffer{};
    while (std::fgets(buffer.data(), int(buffer.size()), pipe))
        r.out += buffer.data();
    const int raw = pclose(pipe);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return r;
}

inline EngineRun engine(const std::string &args)
{
    return run(std::string(OMBREL_ENGINE) + " " + args);
}

} // namespace ombrel::test
