// SPDX-License-Identifier: MIT
// Proving a record: its set's ships are looked for where the game finds ships, and its demo,
// replayed against them, proves it only with their figures and at exactly the recorded time.
#include "RecordProof.h"

#include "ReplayFile.h"
#include "Scenario.h"
#include "ShipCatalogue.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace {

// The pilot's whole chase, kept with the sources (tests/data, the tests' working folder).
const char PilotDemo[] = "data/pilot.demo";

// A data folder whose catalogue holds the scenario's types with their default figures, but
// `thrust` for `changed`; no models.
std::string WriteShips(const std::string& name, const std::string& changed = "", float thrust = 0) {
    std::string text;
    for (const ScenarioType& type : ScenarioTypes) {
        char figures[64];
        std::snprintf(figures, sizeof figures, "%.9g\n%.9g\n",
                      double(type.name == changed ? thrust : type.thrust), double(type.turnRate));
        text += std::string(type.name) + "\nmodels/" + type.name + ".ms3d\n" + figures;
    }
    const std::string folder = testing::TempDir() + name;
    mkdir(folder.c_str(), 0777);
    WriteScratchFile(name + "/alukset.txt", std::vector<unsigned char>(text.begin(), text.end()));
    return folder;
}

ShipSetPlace Found(const std::string& folder) {
    const std::vector<ShipSetPlace> places = FindShipSets(folder, "");
    EXPECT_TRUE(places.front().found) << places.front().problem;
    return places.front();
}

// The pilot's chase time, as a replay with its own recorded figures finds it.
uint64_t PilotChaseMilliseconds() {
    std::vector<DemoResult> chases;
    std::string note, reason;
    EXPECT_TRUE(ReplayDemoFile(PilotDemo, "", chases, note, reason)) << reason;
    world = World();
    shipCatalogue.Clear();
    return chases.empty() || !chases[0].chase.over ? 0 : chases[0].chase.milliseconds;
}

TEST(RecordProof, TheVerdictNeedsTheSetsShipsTheirFiguresAndTheRecordedTime) {
    const uint64_t time = PilotChaseMilliseconds();
    ASSERT_GT(time, 1000u) << "the pilot's demo no longer ends its chase";
    const std::string records = testing::TempDir() + "proof-records";
    mkdir(records.c_str(), 0777);
    const std::string demo = ReadWholeFile(PilotDemo);
    WriteScratchFile("proof-records/best.demo",
                     std::vector<unsigned char>(demo.begin(), demo.end()));
    const ShipSetPlace own = Found(WriteShips("proof-own"));
    const ShipSetPlace forged = Found(WriteShips("proof-forged", "Maradyne", 20));
    ASSERT_NE(own.set, forged.set);
    const std::string elsewhere = RecordTimeText(time);
    const struct {
        const char* what;
        std::vector<ShipSetPlace> places;
        ShipSetRecord record;
        ProofVerdict verdict;
        std::string ships;
        std::string why;
    } cases[] = {
        {"the set's own ships, ending at its time",
         {own},
         {own.set, time, "best.demo"},
         ProofVerdict::Verified,
         own.words,
         ""},
        {"the first place holding the set is the one named",
         {forged, own},
         {own.set, time, "best.demo"},
         ProofVerdict::Verified,
         own.words,
         ""},
        {"ships whose figures are not the recorded ones",
         {own, forged},
         {forged.set, time, "best.demo"},
         ProofVerdict::NotVerified,
         forged.words,
         "alukset.txt differs from the recording: Maradyne has thrust 20, recorded 13"},
        {"the set's ships are not here",
         {forged},
         {own.set, time, "best.demo"},
         ProofVerdict::NotChecked,
         "",
         "the ships of set " + ShipSetName(own.set) + " are not here (give --data DIR)"},
        {"the chase ends later than recorded",
         {own},
         {own.set, time - 1, "best.demo"},
         ProofVerdict::NotVerified,
         own.words,
         "the demo's chase ends in " + elsewhere + " s"},
        {"the chase ends sooner than recorded",
         {own},
         {own.set, time + 1, "best.demo"},
         ProofVerdict::NotVerified,
         own.words,
         "the demo's chase ends in " + elsewhere + " s"},
        {"the demo is not there",
         {own},
         {own.set, time, "gone.demo"},
         ProofVerdict::NotVerified,
         own.words,
         "No such file or directory"},
    };
    for (const auto& c : cases) {
        const RecordProof proof = ProveRecord(records, c.record, c.places);
        EXPECT_EQ(proof.verdict, c.verdict) << c.what;
        EXPECT_EQ(proof.ships, c.ships) << c.what;
        EXPECT_EQ(proof.why, c.why) << c.what;
        EXPECT_TRUE(shipCatalogue.entries.empty() && world.ships.empty()) << c.what;
    }
}

// Runs FindShipSets in `folder`, as shipyard started there.
std::vector<ShipSetPlace> FindIn(const std::string& folder, const std::string& requested,
                                 const std::string& installed) {
    char before[4096];
    EXPECT_TRUE(getcwd(before, sizeof before));
    EXPECT_EQ(chdir(folder.c_str()), 0) << folder;
    std::vector<ShipSetPlace> places = FindShipSets(requested, installed);
    EXPECT_EQ(chdir(before), 0);
    return places;
}

TEST(RecordProof, ShipsAreLookedForWhereTheGameFindsThemEachFolderOnce) {
    const std::string data = WriteShips("places-data");
    const std::string installed = WriteShips("places-installed", "Umbrek", 12);
    const std::string here = WriteShips("places-here", "Quessal", 10);
    const std::string bare = testing::TempDir() + "places-bare";
    mkdir(bare.c_str(), 0777);
    const std::string gone = testing::TempDir() + "places-gone";
    const std::string inData = "the ships in " + data, inGone = "the ships in " + gone;
    const std::string installedShips = "the installed ships", current = "the ships in the "
                                                                        "current folder";
    const struct {
        const char* what;
        std::string folder, requested, installed;
        std::vector<std::string> words; // in order
        std::vector<bool> found;
    } cases[] = {
        {"--data, then the installed ships the game here plays",
         bare,
         data,
         installed,
         {inData, installedShips},
         {true, true}},
        {"the current folder's own ships come before the installed ones",
         here,
         "",
         installed,
         {current, installedShips},
         {true, true}},
        {"nothing installed and nothing here", bare, "", "", {current}, {false}},
        {"--data naming no ships", bare, gone, installed, {inGone, installedShips}, {false, true}},
        {"--data naming the installed folder",
         bare,
         installed,
         installed,
         {installedShips},
         {true}},
    };
    for (const auto& c : cases) {
        const std::vector<ShipSetPlace> places = FindIn(c.folder, c.requested, c.installed);
        ASSERT_EQ(places.size(), c.words.size()) << c.what;
        for (size_t i = 0; i < places.size(); ++i) {
            EXPECT_EQ(places[i].words, c.words[i]) << c.what << ", place " << i;
            EXPECT_EQ(places[i].found, c.found[i]) << c.what << ", place " << i;
            EXPECT_EQ(places[i].problem.empty(), c.found[i]) << c.what << ", place " << i;
        }
    }
    const std::vector<ShipSetPlace> both = FindIn(here, data, installed);
    ASSERT_EQ(both.size(), 3u);
    EXPECT_NE(both[0].set, both[1].set);
    EXPECT_NE(both[1].set, both[2].set);
    EXPECT_EQ(FindIn(bare, gone, "").front().problem,
              gone + "/alukset.txt: No such file or directory");
}

} // namespace
