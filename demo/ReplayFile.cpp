// SPDX-License-Identifier: MIT
// Replaying a demo file against a catalogue, and cutting one chase out of it.
#include "ReplayFile.h"

#include "LoadShipCatalogue.h"
#include "PausedFrames.h"
#include "Scenario.h"
#include "ShipCatalogue.h"

namespace {

// Empty when the catalogue holds the recorded types, with the game's, else what is wrong.
std::string CatalogueProblem(const Demo& demo, const std::string& cataloguePath) {
    std::string reason;
    if (cataloguePath.empty()) {
        for (const DemoShipType& recorded : demo.shipTypes)
            shipCatalogue.Insert(recorded.name, PlayedShipType(recorded));
    } else if (!ReadShipTypes(cataloguePath, reason))
        return cataloguePath + " cannot be read to check the recorded ship types: " + reason;
    std::string difference = CatalogueDifference(demo.shipTypes, shipCatalogue);
    if (!difference.empty())
        return std::string(CatalogueFileName) + " differs from the recording: " + difference;
    // The game's set-up would stop at a missing type with its own ERROR line.
    for (const ScenarioType& type : ScenarioTypes)
        if (!shipCatalogue.Find(type.name))
            return std::string("the recorded ship types have no ") + type.name +
                   ", which the game needs";
    return "";
}

} // namespace

bool ReplayDemoFile(const std::string& path, const std::string& cataloguePath,
                    std::vector<DemoResult>& chases, std::string& note, std::string& reason) {
    DemoReader reader;
    if (!OpenDemo(path, reader, reason))
        return false;
    note = UnfinishedDemoNote(reader.demo);
    reason = CatalogueProblem(reader.demo, cataloguePath);
    if (!reason.empty())
        return false;
    if (ReplayDemo(reader, chases, reason))
        return true;
    if (reason.empty())
        reason = "the world cannot be set up";
    return false;
}

bool ReplayChaseFile(const std::string& path, const std::string& cataloguePath,
                     uint64_t mostMilliseconds, DemoResult& first, std::string& reason) {
    DemoReader reader;
    if (!OpenDemoStart(path, reader, reason))
        return false;
    reason = CatalogueProblem(reader.demo, cataloguePath);
    if (!reason.empty())
        return false;
    if (ReplayFirstChase(reader, mostMilliseconds, first, reason))
        return true;
    if (reason.empty())
        reason = "the world cannot be set up";
    return false;
}

bool CutChaseDemo(const std::string& path, size_t index, size_t frames,
                  std::vector<unsigned char>& bytes, std::string& reason) {
    DemoReader reader;
    if (!OpenDemoStart(path, reader, reason))
        return false;
    Demo header = reader.demo;
    size_t chase = 0, taken = 0;
    DemoFrame frame;
    ChaseCut cut;
    bytes.clear();
    while (taken < frames && ReadDemoFrame(reader, frame, reason)) {
        chase += reader.restarted;
        if (chase > index)
            break;
        if (chase < index)
            continue;
        if (bytes.empty()) {
            if (reader.restarted)
                header.starSeed = reader.restartSeed;
            AppendDemoHeader(bytes, header);
        }
        AppendChaseFrame(cut, bytes, frame);
        ++taken;
    }
    if (taken < frames || taken == 0) {
        if (reason.empty())
            reason = taken == 0 && frames == 0
                         ? "a chase cut out holds at least one frame"
                         : "chase " + std::to_string(index + 1) + " has fewer than " +
                               std::to_string(frames) + " frames";
        return false;
    }
    AppendDemoEnd(bytes);
    return true;
}
