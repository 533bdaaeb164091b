// SPDX-License-Identifier: MIT
// shipyard records [--data DIR] [--add FILE]: the player's best chases, each proved by replaying
// its demo with its set's ships, and a demo from anywhere added as a record when a chase in it
// beats one.
#include "Shipyard.h"

#include "DataFolder.h"
#include "Formatted.h"
#include "PlayerFolders.h"
#include "RecordProof.h"
#include "RecordsStore.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The exit status when no record was disproved but the ships of one were not here to prove it.
constexpr int NotCheckedStatus = 3;

const char* VerdictWords(ProofVerdict verdict) {
    switch (verdict) {
    case ProofVerdict::Verified:
        return "verified";
    case ProofVerdict::NotVerified:
        return "not verified";
    case ProofVerdict::NotChecked:
        break;
    }
    return "not checked";
}

// Each record of the file at `path` read with no demo, on standard error.
void NoteNoDemo(const std::string& path, const std::vector<std::string>& notes) {
    for (const std::string& note : notes)
        std::fprintf(stderr, "shipyard: %s: %s\n", path.c_str(), note.c_str());
}

int ListRecords(const std::string& folder, const std::string& dataFolder) {
    const std::string path = folder + "/" + RecordsFileName;
    Records records;
    std::string reason;
    if (!LoadRecords(path, records, reason))
        return Refuse(path, reason);
    NoteNoDemo(path, RecordsWithNoDemo(records));
    const std::vector<ShipSetPlace> places = FindShipSets(dataFolder, InstalledDataFolder());
    if (!dataFolder.empty() && !places.front().found)
        std::fprintf(stderr, "shipyard: %s\n", places.front().problem.c_str());
    int disproved = 0, unchecked = 0, listed = 0;
    for (const RecordsLine& line : records.lines) {
        if (!line.isRecord)
            continue;
        ShipSetRecord record = line.record;
        const RecordProof proof = ProveRecordNow(folder, record, places);
        const std::string ships = proof.ships.empty() ? "" : " with " + proof.ships;
        const std::string why = proof.why.empty() ? "" : ": " + proof.why;
        record.demoFile = record.demoFile.empty() ? "(no demo)" : record.demoFile;
        std::printf("%s: %s%s%s\n", RecordListing(record).c_str(), VerdictWords(proof.verdict),
                    ships.c_str(), why.c_str());
        disproved += proof.verdict == ProofVerdict::NotVerified;
        unchecked += proof.verdict == ProofVerdict::NotChecked;
        ++listed;
    }
    if (listed == 0)
        std::printf("no records in %s yet\n", path.c_str());
    if (std::fflush(stdout) != 0 || disproved > 0)
        return 1;
    return unchecked > 0 ? NotCheckedStatus : 0;
}

int Add(const std::string& demo, const std::string& dataFolder, const std::string& folder) {
    AddedDemo added;
    std::string reason;
    if (!AddDemo(demo, dataFolder, folder, added, reason)) {
        std::fprintf(stderr, "shipyard: %s\n", reason.c_str()); // the reason names its file
        return 1;
    }
    NoteNoDemo(folder + "/" + RecordsFileName, added.noDemo);
    if (!added.kept) {
        std::printf("not kept: %s: %s\n", demo.c_str(), added.why.c_str());
        return 1;
    }
    const std::string before =
        added.previous ? "beating " + ExactSecondsText(added.previous) + " s" : "its first";
    std::printf(
        "kept: chase %zu of %s, %s s, as the record of ship set %s (%s); its demo is %s/%s\n",
        added.chase, demo.c_str(), ExactSecondsText(added.record.milliseconds).c_str(),
        ShipSetName(added.record.set).c_str(), before.c_str(), folder.c_str(),
        added.record.demoFile.c_str());
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int RunRecords(int argc, char** argv) {
    std::string demo, dataFolder;
    bool add = false, data = false;
    for (int i = 0; i < argc; i += 2) {
        bool addWord = std::strcmp(argv[i], "--add") == 0;
        bool dataWord = std::strcmp(argv[i], "--data") == 0;
        if (!(addWord || dataWord) || i + 1 == argc || (addWord && add) || (dataWord && data))
            return UsageError(RecordsCommand, std::string("unexpected '") + argv[i] + "'");
        (addWord ? demo : dataFolder) = argv[i + 1];
        add |= addWord;
        data |= dataWord;
    }
    const std::string folder = PlayerDataFolder();
    if (folder.empty())
        return Refuse("records", "neither XDG_DATA_HOME nor HOME is set");
    if (!add)
        return ListRecords(folder, dataFolder);
    return Add(demo, ChooseDataFolder(dataFolder, InstalledDataFolder()), folder);
}

// The help, around the records' columns.
const char HelpBeforeColumns[] =
    "The game keeps each ship set's best chase in $XDG_DATA_HOME/starchase/records (by default\n"
    "~/.local/share/starchase/records), a line per set, its words separated by blanks:\n";
const char HelpAfterColumns[] =
    ";\nthe demo is kept beside the file. A ship set is known by a hash of its alukset.txt\n"
    "and every model and texture file it names, so a changed set never competes with another.\n"
    "\n"
    "Without --add, lists every record and proves it with its own ships, looked for where the\n"
    "game finds ships: in DIR when given, in the folder the game started here would play (the\n"
    "current folder when it has alukset.txt) and among the installed ships. Each record is\n"
    "listed by its words, then the verdict and the ships found with its set's hash: its demo is\n"
    "replayed with no window against their alukset.txt, which must hold the demo's recorded\n"
    "types and figures; the replay stops once the chase has lasted longer than the record,\n"
    "however long the demo. \"verified\" when the chase ends in exactly the recorded time, \"not\n"
    "verified\" and why otherwise, and \"not checked\" when the set's ships are in none of those\n"
    "places. Exit status 0 when every record is verified, 1 when one is not verified or the file\n"
    "cannot be read, and else 3 when one could not be checked.\n"
    "\n"
    "With --add, replays the demo FILE (recorded with `starchase --record`, here or elsewhere)\n"
    "against the ships of DIR, or else those the game started here would play (the current\n"
    "folder when it has alukset.txt, else the installed ships), and when a chase in it\n"
    "ends faster than the record of DIR's ship set, keeps that chase alone as the set's best demo\n"
    "and its time as the record; exit status 1 when nothing is kept.\n";

} // namespace

const ShipyardCommand RecordsCommand = {
    "records", "[--data DIR] [--add FILE]",
    "list the best chases and prove each by its demo; add a demo's chase as a record",
    HelpBeforeColumns + RecordsColumnsHelp() + HelpAfterColumns, RunRecords};
