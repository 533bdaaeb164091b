// shipyard replay [--data DIR] FILE: plays a recorded game to its end with no window, as fast as
// the machine allows, and prints the line the game prints when it plays the demo.
#include "Shipyard.h"

#include "DemoFile.h"
#include "LoadShipCatalogue.h"
#include "Replay.h"
#include "ShipCatalogue.h"

#include <cstdio>
#include <cstring>
#include <string>

int ReplayCommand(int argc, char** argv) {
    std::string dataFolder;
    if (argc == 3 && std::strcmp(argv[0], "--data") == 0) {
        dataFolder = argv[1];
        argc -= 2;
        argv += 2;
    }
    if (argc != 1)
        return Refuse("replay", "usage: shipyard replay [--data DIR] FILE");
    const char* path = argv[0];
    Demo demo;
    std::string reason;
    if (!ReadDemoFile(path, demo, reason))
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
    DemoResult result;
    if (!ReplayDemo(demo, result))
        return 1;
    std::printf("%s\n", DemoLine(result).c_str());
    return 0;
}
