// SPDX-License-Identifier: MIT
// shipyard, the project's asset tool: the command table's record and the conventions every
// command keeps (help on standard output, usage errors with status 2, refusals with status 1).
#pragma once

#include <string>

struct ShipyardCommand {
    const char* name;
    const char* arguments; // after the name, as the usage line shows them
    const char* summary;   // one line for `shipyard --help`
    std::string details;   // the rest of `shipyard help NAME`, lines ended by line ends
    // Takes the arguments after the command word; returns the process exit status.
    int (*run)(int argc, char** argv);
};

// One record per command, each defined in its command's file; Main.cpp lists them.
extern const ShipyardCommand TextureCommand;
extern const ShipyardCommand ModelCommand;
extern const ShipyardCommand RenderCommand;
extern const ShipyardCommand GenerateCommand;
extern const ShipyardCommand CheckCommand;
extern const ShipyardCommand ReplayCommand;
extern const ShipyardCommand RecordsCommand;

// Writes "shipyard: SUBJECT: REASON" and a line end to standard error; returns 1.
int Refuse(const std::string& subject, const std::string& reason);

// Writes "shipyard NAME: PROBLEM" and the command's usage line to standard error; returns 2.
int UsageError(const ShipyardCommand& command, const std::string& problem);
