// SPDX-License-Identifier: MIT
// The records in the game: the set's best read at start, the running chase recorded to
// last.demo, and a chase that beats the best kept with its demo.
#include "Records.h"

#include "DemoFile.h"
#include "DemoFormat.h"
#include "FileBytes.h"
#include "PlayerFolders.h"
#include "RecordProof.h"
#include "RecordsStore.h"
#include "Replay.h"
#include "ShipCatalogue.h"
#include "ShipSetHash.h"
#include "World.h"

#include <cstdio>
#include <filesystem>

namespace {

struct GameRecords {
    bool live = false;     // a game played, not a demo
    bool readable = false; // the set is known and its records were read
    std::string folder;    // the player's data folder
    uint64_t set = 0;
    Records records;
    DemoRecorder last;          // the running chase, into last.demo
    bool recordingLast = false; // false after a failed write
    size_t lastHeaderBytes = 0;
};

GameRecords kept;

void Note(const std::string& line) {
    std::fprintf(stderr, "starchase: %s\n", line.c_str());
}

std::string LastDemoPath() {
    return kept.folder + "/" + LastDemoName;
}

bool ReadRecords() {
    std::string reason;
    if (kept.folder.empty()) {
        Note("no folder for records: neither XDG_DATA_HOME nor HOME is set; playing without "
             "records");
        return false;
    }
    if (!HashShipSet("", kept.set, reason)) {
        Note("the ship set cannot be known: alukset.txt: " + reason + "; playing without records");
        return false;
    }
    const std::string path = kept.folder + "/" + RecordsFileName;
    if (!LoadRecords(path, kept.records, reason)) {
        Note(path + ": " + reason + "; playing without records, the file left as it is");
        return false;
    }
    return true;
}

void StopLastDemo() {
    std::string reason;
    if (kept.last.file && !FinishDemoRecording(kept.last, reason))
        Note(LastDemoPath() + ": " + reason);
    kept.recordingLast = false;
}

// The running chase's demo up to its last frame, closed with the end mark.
bool ChaseDemoSoFar(std::vector<unsigned char>& bytes, std::string& reason) {
    if (!ReadFileBytes(LastDemoPath(), bytes, reason))
        return false;
    const size_t length = kept.lastHeaderBytes + kept.last.frames * DemoFrameBytes;
    if (bytes.size() < length) {
        reason = LastDemoPath() + " is shorter than what was recorded into it";
        return false;
    }
    bytes.resize(length);
    AppendDemoEnd(bytes);
    return true;
}

} // namespace

void OpenRecords(bool live, const RandomSeed& firstStars) {
    kept = GameRecords();
    kept.live = live;
    kept.folder = PlayerDataFolder();
    kept.readable = ReadRecords();
    StartChaseDemo(firstStars);
}

void StartChaseDemo(const RandomSeed& seed) {
    if (!kept.live || kept.folder.empty())
        return;
    StopLastDemo();
    Demo header;
    header.starSeed = seed;
    header.shipTypes = RecordedShipTypes(shipCatalogue);
    std::vector<unsigned char> bytes;
    AppendDemoHeader(bytes, header);
    kept.lastHeaderBytes = bytes.size();
    std::string reason;
    kept.recordingLast = MakeFolders(kept.folder, reason) &&
                         StartDemoRecording(kept.last, LastDemoPath(), reason) &&
                         RecordDemoHeader(kept.last, header, reason);
    if (!kept.recordingLast)
        Note("the chase cannot be recorded in " + kept.folder + ": " + reason +
             "; playing on without last.demo and new records");
}

void RecordChaseFrame(double elapsed, HeldKeys keys) {
    std::string reason;
    if (kept.recordingLast && !RecordDemoFrame(kept.last, elapsed, keys, reason)) {
        Note(LastDemoPath() + ": " + reason + "; the chase is no longer recorded");
        kept.recordingLast = false;
    }
}

bool BestChase(uint64_t& milliseconds) {
    const ShipSetRecord* best = kept.readable ? FindRecord(kept.records, kept.set) : nullptr;
    if (best)
        milliseconds = best->milliseconds;
    return best != nullptr;
}

bool ChaseEnded(uint64_t milliseconds) {
    if (!kept.live || !kept.readable || !kept.recordingLast ||
        !BeatsRecord(kept.records, kept.set, milliseconds))
        return false;
    const ShipSetRecord record{kept.set, milliseconds, BestDemoName(kept.set)};
    std::vector<unsigned char> demo;
    std::string reason;
    if (!ChaseDemoSoFar(demo, reason) ||
        !KeepRecord(kept.folder, kept.records, record, demo, reason)) {
        Note("the new best chase cannot be kept: " + reason);
        return false;
    }
    std::printf("starchase: a new best for ship set %s: %s s, kept in %s/%s\n",
                ShipSetName(kept.set).c_str(), RecordTimeText(milliseconds).c_str(),
                kept.folder.c_str(), RecordsFileName);
    std::fflush(stdout);
    return true;
}

std::string BestDemoPath() {
    const ShipSetRecord* best = kept.readable ? FindRecord(kept.records, kept.set) : nullptr;
    return best ? kept.folder + "/" + best->demoFile : "";
}

bool BestChaseText(std::string& time, std::string& ships) {
    const ShipSetRecord* best = kept.readable ? FindRecord(kept.records, kept.set) : nullptr;
    if (!best)
        return false;
    time = RecordTimeText(best->milliseconds);
    std::error_code error;
    ships = std::filesystem::current_path(error).string(); // the game plays in its data folder
    return true;
}

std::string ProveBestChase() {
    const ShipSetRecord* best = kept.readable ? FindRecord(kept.records, kept.set) : nullptr;
    if (!best)
        return "no best chase is kept for these ships";
    // The proof replays in the process's world and catalogue and leaves them empty.
    World game = std::move(world);
    world = World();
    ShipCatalogue ships;
    ships.entries.swap(shipCatalogue.entries);
    const std::string why = DisproveRecord(kept.folder, *best);
    world = std::move(game);
    shipCatalogue.Clear();
    shipCatalogue.entries.swap(ships.entries);
    return why;
}

void CloseRecords() {
    StopLastDemo();
}
