// SPDX-License-Identifier: MIT
// shipyard records [--add FILE [--data DIR]]: the player's best chases, each proved by replaying
// its demo, and a demo from anywhere added as a record when a chase in it beats one.
#include "Shipyard.h"

#include "Formatted.h"
#include "PlayerFolders.h"
#include "RecordProof.h"
#include "RecordsStore.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

int ListRecords(const std::string& folder) {
    const std::string path = folder + "/" + RecordsFileName;
    Records records;
    std::string reason;
    if (!LoadRecords(path, records, reason))
        return Refuse(path, reason);
    int disproved = 0, listed = 0;
    for (const RecordsLine& line : records.lines) {
        if (!line.isRecord)
            continue;
        const ShipSetRecord& r = line.record;
        const std::string why = DisproveRecord(folder, r);
        std::printf("%s %s s %s: %s\n", ShipSetName(r.set).c_str(),
                    ExactSecondsText(r.milliseconds).c_str(), r.demoFile.c_str(),
                    why.empty() ? "verified" : ("not verified: " + why).c_str());
        disproved += !why.empty();
        ++listed;
    }
    if (listed == 0)
        std::printf("no records in %s yet\n", path.c_str());
    return std::fflush(stdout) == 0 && disproved == 0 ? 0 : 1;
}

int Add(const std::string& demo, const std::string& dataFolder, const std::string& folder) {
    AddedDemo added;
    std::string reason;
    if (!AddDemo(demo, dataFolder, folder, added, reason))
        return Refuse(demo, reason);
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
    if (data && !add)
        return UsageError(RecordsCommand, "--data goes with --add");
    const std::string folder = PlayerDataFolder();
    if (folder.empty())
        return Refuse("records", "neither XDG_DATA_HOME nor HOME is set");
    return add ? Add(demo, dataFolder, folder) : ListRecords(folder);
}

// The help, around the records' columns.
const char HelpBeforeColumns[] =
    "The game keeps each ship set's best chase in $XDG_DATA_HOME/starchase/records (by default\n"
    "~/.local/share/starchase/records), a line per set, its words separated by blanks:\n";
const char HelpAfterColumns[] =
    ";\nthe demo is kept beside the file. A ship set is known by a hash of its alukset.txt\n"
    "and every model and texture file it names, so a changed set never competes with another.\n"
    "\n"
    "Without --add, lists every record and replays its demo with no window, printing \"verified\"\n"
    "when the replay's chase ends in the recorded time and why not otherwise; exit status 1 when\n"
    "one is not verified or the file cannot be read.\n"
    "\n"
    "With --add, replays the demo FILE (recorded with `starchase --record`, here or elsewhere)\n"
    "against the ships of DIR (the current folder when none is given), and when a chase in it\n"
    "ends faster than the record of DIR's ship set, keeps that chase alone as the set's best demo\n"
    "and its time as the record; exit status 1 when nothing is kept.\n";

} // namespace

const ShipyardCommand RecordsCommand = {
    "records", "[--add FILE [--data DIR]]",
    "list the best chases and prove each by its demo; add a demo's chase as a record",
    HelpBeforeColumns + RecordsColumnsHelp() + HelpAfterColumns, RunRecords};
