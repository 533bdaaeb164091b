// SPDX-License-Identifier: MIT
// Replaying best demos to prove their records, and keeping a demo's fastest chase as a record.
#include "RecordProof.h"

#include "Formatted.h"
#include "LoadShipCatalogue.h"
#include "RecordsStore.h"
#include "ReplayFile.h"
#include "ShipCatalogue.h"
#include "ShipSetHash.h"

namespace {

// Replays a demo in a fresh world and an empty catalogue, leaving both empty again.
bool Replay(const std::string& path, const std::string& cataloguePath,
            std::vector<DemoResult>& chases, std::string& reason) {
    world = World();
    shipCatalogue.Clear();
    std::string note;
    bool replayed = ReplayDemoFile(path, cataloguePath, chases, note, reason);
    world = World();
    shipCatalogue.Clear();
    return replayed;
}

// The chase that ended soonest, or null when none ended.
const DemoResult* Fastest(const std::vector<DemoResult>& chases, size_t& index) {
    const DemoResult* fastest = nullptr;
    for (size_t i = 0; i < chases.size(); ++i) {
        if (chases[i].chase.over &&
            (!fastest || chases[i].chase.milliseconds < fastest->chase.milliseconds)) {
            fastest = &chases[i];
            index = i;
        }
    }
    return fastest;
}

std::string InFolder(const std::string& folder, const std::string& name) {
    return folder.empty() ? name : folder + "/" + name;
}

} // namespace

std::string DisproveRecord(const std::string& folder, const ShipSetRecord& record) {
    std::vector<DemoResult> chases;
    std::string reason;
    if (!Replay(folder + "/" + record.demoFile, "", chases, reason))
        return reason;
    const DemoResult& first = chases.front();
    if (!first.chase.over)
        return "the demo's chase does not end: " + std::to_string(first.chasersLeft) +
               " chasers left after " + std::to_string(first.frames) + " frames";
    if (first.chase.milliseconds != record.milliseconds)
        return "the demo's chase ends in " + ExactSecondsText(first.chase.milliseconds) + " s";
    return "";
}

bool AddDemo(const std::string& demoPath, const std::string& dataFolder,
             const std::string& recordsFolder, AddedDemo& added, std::string& reason) {
    std::vector<DemoResult> chases;
    uint64_t set = 0;
    if (!Replay(demoPath, InFolder(dataFolder, CatalogueFileName), chases, reason) ||
        !HashShipSet(dataFolder, set, reason))
        return false;
    size_t index = 0;
    const DemoResult* fastest = Fastest(chases, index);
    if (!fastest) {
        added.why = "no chase in it ends: chasers are left at the end of every one";
        return true;
    }
    const uint64_t milliseconds = fastest->chase.milliseconds;
    added.record = {set, milliseconds, BestDemoName(set, milliseconds)};
    std::vector<unsigned char> demo;
    Records records;
    KeptChase outcome;
    if (!CutChaseDemo(demoPath, index, fastest->endFrame, demo, reason) ||
        !KeepBestChase(recordsFolder, set, milliseconds, demo, records, outcome, reason))
        return false;
    added.previous = outcome.previous;
    if (!outcome.kept) {
        added.why = "its fastest chase, " + ExactSecondsText(milliseconds) +
                    " s, does not beat the record of " + ExactSecondsText(outcome.previous) + " s";
        return true;
    }
    added.kept = true;
    added.chase = index + 1;
    return true;
}
