// SPDX-License-Identifier: MIT
// shipyard replay [--data DIR] FILE: plays a recorded game to its end with no window, as fast as
// the machine allows, and prints the lines the game prints when it plays the demo.
#include "Shipyard.h"

#include "DataFolder.h"
#include "LoadShipCatalogue.h"
#include "ReplayFile.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

int RunReplay(int argc, char** argv) {
    std::string dataFolder;
    if (argc == 3 && std::strcmp(argv[0], "--data") == 0) {
        dataFolder = argv[1];
        argc -= 2;
        argv += 2;
    }
    if (argc != 1)
        return UsageError(ReplayCommand, argc < 1 ? "no demo given" : "one demo at a time");
    const char* path = argv[0];
    // The ships the game would play here, and only their catalogue's figures: they fly with no
    // models.
    dataFolder = ChooseDataFolder(dataFolder, InstalledDataFolder());
    const std::string cataloguePath =
        dataFolder.empty() ? CatalogueFileName : dataFolder + "/" + CatalogueFileName;
    std::vector<DemoResult> chases;
    std::string note, reason;
    bool replayed = ReplayDemoFile(path, cataloguePath, chases, note, reason);
    if (!note.empty())
        std::fprintf(stderr, "shipyard: %s: %s\n", path, note.c_str());
    if (!replayed)
        return Refuse(path, reason);
    for (const DemoResult& chase : chases)
        std::printf("%s\n", DemoLine(chase).c_str());
    return 0;
}

} // namespace

const ShipyardCommand ReplayCommand = {
    "replay", "[--data DIR] FILE", "play a demo to its end with no window; print how it ended",
    "Plays the recorded game FILE to its end as fast as the machine allows, with no window, and\n"
    "prints the lines the game prints when it plays the demo: one for each chase the game was\n"
    "restarted into (with R) and one for the last, each with the chase's time when every chaser\n"
    "broke up in it. The ship types' figures are read from alukset.txt in DIR, or else in the\n"
    "folder the game started here would play (the current folder when it has alukset.txt, else\n"
    "the installed ships), and must match those the recording was made with. A demo recorded\n"
    "under other rules of the game is refused.\n",
    RunReplay};
