// SPDX-License-Identifier: MIT
// Runs the built shipyard (named by $SHIPYARD) from a test and collects what it said.
#pragma once

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

struct ShipyardRun {
    int status;
    std::string out, err;
};

inline std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// `arguments` are already quoted for the shell; `prefix` goes before the command (e.g. "env -u
// DISPLAY").
inline ShipyardRun RunShipyard(const std::string& arguments, const std::string& prefix = "") {
    const char* shipyard = std::getenv("SHIPYARD");
    EXPECT_NE(shipyard, nullptr) << "SHIPYARD must name the built shipyard";
    // Named by process, as test programs that run shipyard may run side by side.
    const std::string scratch = testing::TempDir() + "shipyard_run_" + std::to_string(getpid());
    const std::string out = scratch + ".stdout", err = scratch + ".stderr";
    const std::string command = prefix + " " + ShellQuoted(shipyard ? shipyard : "shipyard") + " " +
                                arguments + " >" + ShellQuoted(out) + " 2>" + ShellQuoted(err);
    const int raw = std::system(command.c_str());
    ShipyardRun run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadWholeFile(out), ReadWholeFile(err)};
    std::remove(out.c_str());
    std::remove(err.c_str());
    return run;
}
