// SPDX-License-Identifier: MIT
// Finding the ships of records, replaying best demos against them to prove their records, and
// keeping a demo's fastest chase as a record.
#include "RecordProof.h"

#include "DataFolder.h"
#include "Formatted.h"
#include "LoadShipCatalogue.h"
#include "Printable.h"
#include "RecordsStore.h"
#include "ReplayFile.h"
#include "ShipCatalogue.h"
#include "ShipSetHash.h"

namespace {

// How many records of a set one proof tries: a keep that replaces the record while it is proved
// removes the demo it read, so the record is read again and the new one proved.
constexpr int ProofTries = 8;

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

std::string FolderWords(const std::string& folder, const std::string& installed) {
    if (!installed.empty() && folder == installed)
        return "the installed ships";
    if (folder.empty())
        return "the ships in the current folder";
    return "the ships in " + Printable(folder);
}

// Hashes the set in `folder`, unless the folder is among `places` already.
void AddPlace(std::vector<ShipSetPlace>& places, const std::string& folder,
              const std::string& installed) {
    for (const ShipSetPlace& place : places)
        if (place.folder == folder)
            return;
    ShipSetPlace place;
    place.folder = folder;
    place.words = FolderWords(folder, installed);
    place.found = HashShipSet(folder, place.set, place.problem);
    if (!place.found)
        place.problem = InFolder(folder, CatalogueFileName) + ": " + place.problem;
    places.push_back(place);
}

const ShipSetPlace* PlaceOf(const std::vector<ShipSetPlace>& places, uint64_t set) {
    for (const ShipSetPlace& place : places)
        if (place.found && place.set == set)
            return &place;
    return nullptr;
}

// Why a first chase replayed to `first` did not end: "... does not end: 3 chasers left after 900
// frames".
std::string NotEnded(const DemoResult& first) {
    return "the demo's chase does not end: " + std::to_string(first.chasersLeft) +
           " chasers left after " + std::to_string(first.frames) + " frames";
}

// Empty when the demo at `demoPath`, replayed against the catalogue at `cataloguePath`, has a
// first chase that ends in exactly `milliseconds`; else why not ("the demo's chase ends in
// 68.100 s"). The replay stops once the chase has lasted longer.
std::string DisproveChase(const std::string& demoPath, const std::string& cataloguePath,
                          uint64_t milliseconds) {
    world = World();
    shipCatalogue.Clear();
    DemoResult first;
    std::string reason;
    const bool replayed = ReplayChaseFile(demoPath, cataloguePath, milliseconds, first, reason);
    world = World();
    shipCatalogue.Clear();
    if (!replayed)
        return reason;
    const std::string left = std::to_string(first.chasersLeft) + " chasers left after ";
    if (first.chase.over)
        return first.chase.milliseconds == milliseconds
                   ? ""
                   : "the demo's chase ends in " + ExactSecondsText(first.chase.milliseconds) + " s";
    if (first.chase.milliseconds > milliseconds)
        return "the demo's chase does not end by " + ExactSecondsText(milliseconds) + " s: " + left +
               ExactSecondsText(first.chase.milliseconds) + " s";
    return NotEnded(first);
}

// A whole number of milliseconds, digits only, at most 19 of them.
bool ReadMilliseconds(const std::string& text, size_t& at, uint64_t& number) {
    const size_t start = at;
    number = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9' && at - start < 19; ++at)
        number = number * 10 + uint64_t(text[at] - '0');
    return at > start && (at == text.size() || text[at] == ' ');
}

} // namespace

std::vector<ShipSetPlace> FindShipSets(const std::string& requested, const std::string& installed) {
    std::vector<ShipSetPlace> places;
    if (!requested.empty())
        AddPlace(places, requested, installed);
    AddPlace(places, ChooseDataFolder("", installed), installed);
    if (!installed.empty())
        AddPlace(places, installed, installed);
    return places;
}

RecordProof ProveRecord(const std::string& recordsFolder, const ShipSetRecord& record,
                        const std::vector<ShipSetPlace>& places) {
    RecordProof proof;
    const ShipSetPlace* place = PlaceOf(places, record.set);
    proof.ships = place ? place->words : "";
    if (record.demoFile.empty()) {
        proof.verdict = ProofVerdict::NotVerified;
        proof.why = "its line names no best demo";
        return proof;
    }
    if (!place) {
        proof.why =
            "the ships of set " + ShipSetName(record.set) + " are not here (give --data DIR)";
        return proof;
    }
    proof.why = DisproveChase(recordsFolder + "/" + record.demoFile,
                              InFolder(place->folder, CatalogueFileName), record.milliseconds);
    proof.verdict = proof.why.empty() ? ProofVerdict::Verified : ProofVerdict::NotVerified;
    return proof;
}

RecordProof ProveRecordNow(const std::string& recordsFolder, ShipSetRecord& record,
                           const std::vector<ShipSetPlace>& places) {
    RecordProof proof = ProveRecord(recordsFolder, record, places);
    for (int tries = 1; proof.verdict == ProofVerdict::NotVerified && tries < ProofTries; ++tries) {
        Records now;
        std::string reason;
        const ShipSetRecord* again = LoadRecords(recordsFolder + "/" + RecordsFileName, now, reason)
                                         ? FindRecord(now, record.set)
                                         : nullptr;
        if (!again ||
            (again->milliseconds == record.milliseconds && again->demoFile == record.demoFile))
            break; // the record proved is the record still: its verdict stands
        record = *again;
        proof = ProveRecord(recordsFolder, record, places);
    }
    return proof;
}

GhostProof ProveGhostDemo(const std::string& demoPath, const std::string& cataloguePath) {
    world = World();
    shipCatalogue.Clear();
    DemoResult first;
    GhostProof proof;
    const bool replayed =
        ReplayChaseFile(demoPath, cataloguePath, UINT64_MAX, first, proof.why);
    world = World();
    shipCatalogue.Clear();
    if (replayed && !first.chase.over)
        proof.why = NotEnded(first);
    proof.proved = replayed && first.chase.over;
    if (proof.proved) {
        proof.milliseconds = first.chase.milliseconds;
        proof.breakUps = first.breakUps;
    }
    return proof;
}

std::string GhostProofText(const GhostProof& proof) {
    std::string text = std::to_string(proof.milliseconds);
    for (uint64_t breakUp : proof.breakUps)
        text += " " + std::to_string(breakUp);
    return text;
}

bool ReadGhostProofText(const std::string& text, GhostProof& proof, std::string& reason) {
    GhostProof read;
    size_t at = 0;
    if (!ReadMilliseconds(text, at, read.milliseconds)) {
        reason = "no chase time";
        return false;
    }
    for (uint64_t breakUp = 0; at < text.size(); read.breakUps.push_back(breakUp)) {
        ++at;
        const uint64_t before = read.breakUps.empty() ? 0 : read.breakUps.back();
        if (!ReadMilliseconds(text, at, breakUp) || breakUp < before ||
            breakUp > read.milliseconds) {
            reason = "break-up " + std::to_string(read.breakUps.size() + 1) + " is no time in order";
            return false;
        }
    }
    read.proved = true;
    proof = std::move(read);
    return true;
}

bool AddDemo(const std::string& demoPath, const std::string& dataFolder,
             const std::string& recordsFolder, AddedDemo& added, std::string& reason) {
    std::vector<DemoResult> chases;
    uint64_t set = 0;
    const std::string catalogue = InFolder(dataFolder, CatalogueFileName);
    if (!Replay(demoPath, catalogue, chases, reason)) {
        reason = demoPath + ": " + reason;
        return false;
    }
    if (!HashShipSet(dataFolder, set, reason)) {
        reason = catalogue + ": " + reason;
        return false;
    }
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
    if (!CutChaseDemo(demoPath, index, fastest->endFrame, demo, reason)) {
        reason = demoPath + ": " + reason;
        return false;
    }
    if (!KeepBestChase(recordsFolder, set, milliseconds, demo, records, outcome, reason))
        return false;
    added.previous = outcome.previous;
    added.noDemo = outcome.noDemo;
    if (!outcome.kept) {
        added.why = "its fastest chase, " + ExactSecondsText(milliseconds) +
                    " s, does not beat the record of " + ExactSecondsText(outcome.previous) + " s";
        return true;
    }
    added.kept = true;
    added.chase = index + 1;
    return true;
}
