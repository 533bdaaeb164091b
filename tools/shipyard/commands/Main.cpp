// SPDX-License-Identifier: MIT
// shipyard: check, decode, inspect, render and generate the game's assets with the game's own
// readers. The entry point finds the command and keeps the command-line conventions.
#include "Shipyard.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace {

// In the order `shipyard --help` lists them; a new command is one more line here.
const ShipyardCommand* const Commands[] = {
    &CheckCommand,    &ModelCommand,  &TextureCommand, &RenderCommand,
    &GenerateCommand, &ReplayCommand, &RecordsCommand,
};

const ShipyardCommand* FindCommand(const char* name) {
    for (const ShipyardCommand* c : Commands)
        if (std::strcmp(name, c->name) == 0)
            return c;
    return nullptr;
}

void PrintOverview(std::FILE* out) {
    std::fprintf(out, "usage: shipyard COMMAND [ARGUMENTS]\n\n");
    for (const ShipyardCommand* c : Commands) {
        std::string call = std::string(c->name) + " " + c->arguments;
        std::fprintf(out, "  shipyard %-29s %s\n", call.c_str(), c->summary);
    }
    std::fprintf(out, "\n'shipyard help COMMAND' says more about one command;"
                      " 'shipyard --version' prints the version.\n");
}

int PrintHelp(const ShipyardCommand& c) {
    std::printf("usage: shipyard %s %s\n\n%s", c.name, c.arguments, c.details.c_str());
    return std::fflush(stdout) == 0 ? 0 : 1;
}

bool AsksForHelp(const char* word) {
    return std::strcmp(word, "--help") == 0 || std::strcmp(word, "-h") == 0;
}

int Dispatch(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "shipyard: no command given\n");
        PrintOverview(stderr);
        return 2;
    }
    const char* word = argv[1];
    if (AsksForHelp(word) || (std::strcmp(word, "help") == 0 && argc == 2)) {
        PrintOverview(stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (std::strcmp(word, "--version") == 0) {
        std::printf("shipyard %s\n", STARCHASE_VERSION);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (std::strcmp(word, "help") == 0) {
        const ShipyardCommand* c = argc == 3 ? FindCommand(argv[2]) : nullptr;
        if (c)
            return PrintHelp(*c);
        std::fprintf(stderr, "shipyard help: %s\nusage: shipyard help [COMMAND]\n",
                     argc == 3 ? "no such command" : "one command at a time");
        return 2;
    }
    const ShipyardCommand* c = FindCommand(word);
    if (!c) {
        std::fprintf(stderr, "shipyard: no command '%s'\n", word);
        PrintOverview(stderr);
        return 2;
    }
    if (argc >= 3 && AsksForHelp(argv[2]))
        return PrintHelp(*c);
    return c->run(argc - 2, argv + 2);
}

} // namespace

int Refuse(const std::string& subject, const std::string& reason) {
    std::fprintf(stderr, "shipyard: %s: %s\n", subject.c_str(), reason.c_str());
    return 1;
}

int UsageError(const ShipyardCommand& command, const std::string& problem) {
    std::fprintf(stderr, "shipyard %s: %s\nusage: shipyard %s %s\n", command.name, problem.c_str(),
                 command.name, command.arguments);
    return 2;
}

int main(int argc, char** argv) {
    try {
        return Dispatch(argc, argv);
    } catch (const std::bad_alloc&) {
        return Refuse(argc >= 2 ? argv[1] : "shipyard", "out of memory");
    }
}
