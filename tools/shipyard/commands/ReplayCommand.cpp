// SPDX-License-Identifier: MIT
// shipyard replay [--data DIR] FILE: plays a recorded game to its end with no window, as fast as
// the machine allows, and prints the line the game prints when it plays the demo.
#include "Shipyard.h"

#include "CheckRules.h"
#include "DemoFile.h"
#include "LoadShipCatalogue.h"
#include "Replay.h"
#include "Scenario.h"
#include "ShipCatalogue.h"

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
    DemoReader reader;
    const Demo& demo = reader.demo;
    std::string reason;
    if (!OpenDemo(path, reader, reason))
        return Refuse(path, reason.c_str());
    if (!demo.finished)
        std::fprintf(stderr, "shipyard: %s: %s\n", path, UnfinishedDemoNote(demo).c_str());
    // Only the catalogue's figures count here: the ships fly with no models.
    const std::string cataloguePath =
        dataFolder.empty() ? CatalogueFileName : dataFolder + "/" + CatalogueFileName;
    if (!ReadShipTypes(cataloguePath, reason))
        return Refuse(
            path, (cataloguePath + " cannot be read to check the recorded ship types: " + reason)
                      .c_str());
    std::string difference = CatalogueDifference(demo.shipTypes, shipCatalogue);
    if (!difference.empty())
        return Refuse(path, ("alukset.txt differs from the recording: " + difference).c_str());
    // The game's set-up would stop at a missing type with its own ERROR line.
    for (const ScenarioType& type : ScenarioTypes)
        if (!shipCatalogue.Find(type.name))
            return Refuse(path, std::string("the recorded ship types have no ") + type.name +
                                    ", which the game needs");
    DemoResult result;
    if (!ReplayDemo(reader, result, reason))
        return reason.empty() ? 1 : Refuse(path, reason.c_str());
    std::printf("%s\n", DemoLine(result).c_str());
    return 0;
}

} // namespace

const ShipyardCommand ReplayCommand = {
    "replay", "[--data DIR] FILE", "play a demo to its end with no window; print how it ended",
    "Plays the recorded game FILE to its end as fast as the machine allows, with no window, and\n"
    "prints the line the game prints when it plays the demo. The ship types' figures are read\n"
    "from alukset.txt in DIR (the current folder when none is given) and must match those the\n"
    "recording was made with. A demo recorded under other rules of the game is refused.\n",
    RunReplay};
