// SPDX-License-Identifier: MIT
// The records in the game: the set's best read at start, the running chase recorded into a file
// of this game's own (last.demo once the game ends), and a chase that beats the best kept with
// its demo.
#include "Records.h"

#include "ChildVerdict.h"
#include "DataFolder.h"
#include "DemoFile.h"
#include "DemoFormat.h"
#include "FileBytes.h"
#include "Formatted.h"
#include "PlayerFolders.h"
#include "RecordProof.h"
#include "RecordsStore.h"
#include "Replay.h"
#include "RunningChase.h"
#include "ShipCatalogue.h"
#include "ShipSetHash.h"

#include <cstdio>
#include <filesystem>

namespace {

struct GameRecords {
    bool live = false;     // a game played, not a demo
    bool readable = false; // the set is known and its records were read
    std::string folder;    // the player's data folder
    uint64_t set = 0;
    Records records; // as last read or kept
    RunningChase running;
    ChildVerdict proof; // a record's, while it is under way
    uint64_t proving = 0; // the set of that record
};

GameRecords kept;

void Note(const std::string& line) {
    std::fprintf(stderr, "starchase: %s\n", line.c_str());
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
    for (const std::string& line : RecordsWithNoDemo(kept.records))
        Note(path + ": " + line);
    return true;
}

// The records as the file has them now: another game or `shipyard records --add` may have kept a
// better chase, and removed the demo the records read before named. Left as they were when the
// file cannot be read now.
void ReadRecordsAgain() {
    Records now;
    std::string reason;
    if (kept.readable && LoadRecords(kept.folder + "/" + RecordsFileName, now, reason))
        kept.records = std::move(now);
}

void NoteNewBest(uint64_t milliseconds) {
    std::printf("starchase: a new best for ship set %s: %s s, kept in %s/%s\n",
                ShipSetName(kept.set).c_str(), ExactSecondsText(milliseconds).c_str(),
                kept.folder.c_str(), RecordsFileName);
    std::fflush(stdout);
}

} // namespace

void OpenRecords(bool live, const RandomSeed& firstStars) {
    kept = GameRecords();
    kept.live = live;
    kept.folder = PlayerDataFolder();
    kept.readable = ReadRecords();
    if (kept.live && !kept.folder.empty())
        for (const std::string& note : TakeInLeftChases(kept.folder))
            Note(note);
    StartChaseDemo(firstStars);
}

void StartChaseDemo(const RandomSeed& seed) {
    if (!kept.live || kept.folder.empty())
        return;
    Demo header;
    header.starSeed = seed;
    header.shipTypes = RecordedShipTypes(shipCatalogue);
    std::string reason;
    if (!StartRunningChase(kept.running, kept.folder, header, reason))
        Note("the chase cannot be recorded in " + kept.folder + ": " + reason +
             "; playing on without last.demo and new records");
}

void RecordChaseFrame(double elapsed, HeldKeys keys) {
    std::string reason;
    if (!RecordRunningFrame(kept.running, elapsed, keys, reason))
        Note(reason + "; the chase is no longer recorded");
}

BestTime ChaseEnded(uint64_t milliseconds) {
    BestTime best;
    const ShipSetRecord* record = kept.readable ? FindRecord(kept.records, kept.set) : nullptr;
    best.known = record != nullptr;
    best.milliseconds = record ? record->milliseconds : 0;
    if (!kept.live || !kept.readable || !kept.running.recording)
        return best;
    std::vector<unsigned char> demo;
    std::string reason;
    KeptChase outcome;
    if (!RunningChaseSoFar(kept.running, demo, reason) ||
        !KeepBestChase(kept.folder, kept.set, milliseconds, demo, kept.records, outcome, reason)) {
        Note("the new best chase cannot be kept: " + reason);
        return best;
    }
    best = {outcome.hadRecord, outcome.previous, outcome.kept};
    if (outcome.kept)
        NoteNewBest(milliseconds);
    return best;
}

std::string BestDemoPath() {
    ReadRecordsAgain();
    const ShipSetRecord* best = kept.readable ? FindRecord(kept.records, kept.set) : nullptr;
    return best && !best->demoFile.empty() ? kept.folder + "/" + best->demoFile : "";
}

bool StartRecordProof(uint64_t set, std::string& why) {
    ReadRecordsAgain();
    const ShipSetRecord* record = kept.readable ? FindRecord(kept.records, set) : nullptr;
    if (!record) {
        why = set == kept.set ? NoBestChase : "no record kept for ship set " + ShipSetName(set);
        return false;
    }
    if (kept.proof.child > 0 && kept.proving != set)
        why = "the proof of ship set " + ShipSetName(kept.proving) + " is still under way";
    if (kept.proof.child > 0)
        return kept.proving == set;
    // The proof replays in the process's world and catalogue, and empties them: the child's own.
    auto prove = [record](std::string& said) {
        std::error_code error;
        ShipSetRecord proved = *record;
        const RecordProof proof =
            ProveRecordNow(kept.folder, proved,
                           FindShipSets(std::filesystem::current_path(error).string(),
                                        InstalledDataFolder()));
        said = proof.verdict == ProofVerdict::Verified ? "" : proof.why;
        return said.empty();
    };
    kept.proving = set;
    return StartChildVerdict(kept.proof, prove, why);
}

bool TakeRecordProof(uint64_t& set, std::string& why) {
    bool proved = false;
    if (!TakeChildVerdict(kept.proof, proved, why))
        return false;
    set = kept.proving;
    ReadRecordsAgain(); // a keep during the proof: the record proved may be newer than the one read
    return true;
}

void StopRecordProof() {
    StopChildVerdict(kept.proof);
}

void CloseRecords() {
    std::string reason;
    if (!EndRunningChase(kept.running, reason))
        Note(reason);
}
