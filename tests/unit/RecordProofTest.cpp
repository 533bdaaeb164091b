// SPDX-License-Identifier: MIT
// Proving a record: its set's ships are looked for where the game finds ships, and its demo,
// replayed against them, proves it only with their figures and at exactly the recorded time.
#include "RecordProof.h"

#include "ByteReader.h"
#include "DefaultCatalogue.h"
#include "Formatted.h"
#include "PausedFrames.h"
#include "RecordsStore.h"
#include "ReplayFile.h"
#include "TestFiles.h"
#include "WholeFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::vector<unsigned char> Bytes(const std::string& text) {
    return std::vector<unsigned char>(text.begin(), text.end());
}

// A data folder of the default types and figures, Maradyne's thrust `thrust` when given.
std::string WriteShips(const std::string& name, int thrust = 0) {
    LoadDefaultCatalogue();
    std::string text;
    for (const auto& type : shipCatalogue.entries)
        text +=
            type.first + "\nm.ms3d\n" +
            std::to_string(thrust && type.first == "Maradyne" ? thrust : int(type.second.thrust)) +
            "\n" + std::to_string(int(type.second.turnRate)) + "\n";
    shipCatalogue.Clear();
    mkdir((testing::TempDir() + name).c_str(), 0777);
    WriteScratchFile(name + "/alukset.txt", Bytes(text));
    return testing::TempDir() + name;
}

// A chase nobody fights, with the default figures: frames of 8 ms, then `last`.
std::vector<unsigned char> IdleDemo(size_t frames, DemoFrame last) {
    LoadDefaultCatalogue();
    Demo demo;
    demo.shipTypes = RecordedShipTypes(shipCatalogue);
    shipCatalogue.Clear();
    std::vector<unsigned char> bytes;
    AppendDemoHeader(bytes, demo);
    for (size_t i = 0; i < frames; ++i)
        AppendDemoFrame(bytes, DemoFrame{8, 0});
    AppendDemoFrame(bytes, last);
    return bytes;
}

// The bytes of `demo` with a pause of `frames` frames of 1 ms after its 10th frame.
std::vector<unsigned char> WithPause(const std::string& demo, size_t frames) {
    std::vector<unsigned char> bytes = Bytes(demo);
    ByteCursor in = ByteCursor::Over(bytes.data(), bytes.size());
    Demo header;
    std::string reason;
    EXPECT_TRUE(ParseDemoHeader(in, header, reason)) << reason;
    std::vector<unsigned char> pause;
    for (size_t i = 0; i < frames; ++i)
        AppendDemoFrame(pause, DemoFrame{1, ActionPause});
    bytes.insert(bytes.begin() + std::ptrdiff_t(in.at + 10 * DemoFrameBytes), pause.begin(),
                 pause.end());
    return bytes;
}

TEST(RecordProof, TheVerdictNeedsTheSetsShipsTheirFiguresAndTheRecordedTime) {
    // The pilot's whole chase (tests/data), its time as its own recorded figures replay it.
    const std::string pilot = ReadWholeFile("data/pilot.demo");
    std::vector<DemoResult> chases;
    std::string note, reason;
    ASSERT_TRUE(ReplayDemoFile("data/pilot.demo", "", chases, note, reason)) << reason;
    ASSERT_TRUE(chases[0].chase.over);
    const uint64_t time = chases[0].chase.milliseconds;
    const std::string records = WriteShips("proof-records"), at = ExactSecondsText(time);
    WriteScratchFile("proof-records/best.demo", Bytes(pilot));
    // 250 frames (1.992 s of chase: the first never steps), then a frame no game plays.
    WriteScratchFile("proof-records/endless.demo", IdleDemo(250, DemoFrame{8, 0x8000}));
    WriteScratchFile("proof-records/short.demo", IdleDemo(100, DemoFrame()));
    // A pause of as many paused frames after its first as a best demo may hold, and one more.
    WriteScratchFile("proof-records/paused.demo", WithPause(pilot, MostHeldPausedFrames + 1));
    WriteScratchFile("proof-records/held.demo", WithPause(pilot, MostHeldPausedFrames + 2));
    const ShipSetPlace own = FindShipSets(WriteShips("proof-own"), "")[0];
    const ShipSetPlace other = FindShipSets(WriteShips("proof-other", 20), "")[0];
    ASSERT_TRUE(own.found && other.found && own.set != other.set);
    const auto yes = ProofVerdict::Verified, no = ProofVerdict::NotVerified,
               none = ProofVerdict::NotChecked;
    auto mine = [&](uint64_t ms, const char* demo = "best.demo") {
        return ShipSetRecord{own.set, ms, demo};
    };
    const std::string endsAt = "the demo's chase ends in " + at + " s",
                      differs = "alukset.txt differs from the recording: Maradyne has thrust 20, "
                                "recorded 13",
                      notHere = "the ships of set " + ShipSetName(own.set) +
                                " are not here (give --data DIR)",
                      late = "the demo's chase does not end by 1.000 s: 12 chasers left after "
                             "1.008 s",
                      fault = "frame 251 holds unknown key bits 0x8000",
                      runOut = "the demo's chase does not end: 12 chasers left after 100 frames",
                      held = "the demo holds more than 1000000 paused frames after the first of "
                             "their pause; a best demo holds a pause as one frame";
    auto endless = [&](uint64_t ms) { return mine(ms, "endless.demo"); };
    const struct {
        const char* what;
        std::vector<ShipSetPlace> places;
        ShipSetRecord record;
        ProofVerdict verdict;
        std::string why;
    } cases[] = {
        {"its own ships", {own}, mine(time), yes, ""},
        {"the first place with the set", {other, own}, mine(time), yes, ""},
        {"other figures", {own, other}, {other.set, time, "best.demo"}, no, differs},
        {"ships not here", {other}, mine(time), none, notHere},
        {"a chase ending later", {own}, mine(time - 1), no, endsAt},
        {"a chase ending sooner", {own}, mine(time + 1), no, endsAt},
        {"never ending: a fault past the record, never read", {own}, endless(1000), no, late},
        {"never ending: a fault before the record", {own}, endless(9000), no, fault},
        {"frames running out", {own}, mine(9000, "short.demo"), no, runOut},
        {"no demo", {own}, mine(time, "gone.demo"), no, "No such file or directory"},
        {"a long pause, as many frames as a best demo holds",
         {own},
         mine(time, "paused.demo"),
         yes,
         ""},
        {"a pause one frame longer", {own}, mine(time, "held.demo"), no, held},
    };
    for (const auto& c : cases) {
        const RecordProof proof = ProveRecord(records, c.record, c.places);
        EXPECT_EQ(proof.verdict, c.verdict) << c.what;
        EXPECT_EQ(proof.why, c.why) << c.what;
        EXPECT_EQ(proof.ships, c.verdict == none         ? ""
                               : c.record.set == own.set ? own.words
                                                         : other.words)
            << c.what;
        EXPECT_TRUE(shipCatalogue.entries.empty() && world.ships.empty()) << c.what;
    }
}

// The pilot's chase as a keep leaves it in `folder`: its demo under `demo`, then the records file
// naming it, then the demo `beaten` removed.
void KeepPilot(const std::string& folder, uint64_t set, uint64_t time, const std::string& demo,
               const std::string& beaten) {
    static const std::string pilot = ReadWholeFile("data/pilot.demo");
    const std::string records = "starchase records 1\n" + ShipSetName(set) + " " +
                                ExactSecondsText(time) + " " + demo + "\n";
    std::string reason;
    WriteWholeFile(folder + "/" + demo, Bytes(pilot), reason);
    WriteWholeFile(folder + "/records", Bytes(records), reason);
    unlink((folder + "/" + beaten).c_str());
}

// A record read before a keep replaced it, its demo removed since: the record the file has now is
// proved instead, while it is another one.
TEST(RecordProof, ARecordReplacedMeanwhileIsProvedAsItIsNow) {
    std::vector<DemoResult> chases;
    std::string note, reason;
    ASSERT_TRUE(ReplayDemoFile("data/pilot.demo", "", chases, note, reason)) << reason;
    const uint64_t time = chases[0].chase.milliseconds;
    const ShipSetPlace own = FindShipSets(WriteShips("replaced-own"), "")[0];
    const std::string folder = testing::TempDir() + "replaced";
    const std::string kept = BestDemoName(own.set, time), older = "best-" + ShipSetName(own.set) +
                                                                      ".demo";
    const ShipSetRecord read{own.set, time + 1000, BestDemoName(own.set, time + 1000)};
    const struct {
        const char* what;
        std::string records; // the file as it is when proved
        ProofVerdict verdict;
        ShipSetRecord proved;
        std::string why;
    } cases[] = {
        {"a better chase kept", ShipSetName(own.set) + " " + ExactSecondsText(time) + " " + kept,
         ProofVerdict::Verified, {own.set, time, kept}, ""},
        {"kept with a demo that does not prove it",
         ShipSetName(own.set) + " " + ExactSecondsText(time - 1) + " " + older,
         ProofVerdict::NotVerified, {own.set, time - 1, older},
         "the demo's chase ends in " + ExactSecondsText(time) + " s"},
        {"the record as it was", ShipSetName(own.set) + " " + ExactSecondsText(time + 1000) + " " +
                                     read.demoFile,
         ProofVerdict::NotVerified, read, "No such file or directory"},
        {"no record for the set now", "", ProofVerdict::NotVerified, read,
         "No such file or directory"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(folder);
        mkdir(folder.c_str(), 0777);
        WriteScratchFile("replaced/records", Bytes("starchase records 1\n" + c.records + "\n"));
        WriteScratchFile("replaced/" + kept, Bytes(ReadWholeFile("data/pilot.demo")));
        WriteScratchFile("replaced/" + older, Bytes(ReadWholeFile("data/pilot.demo")));
        ShipSetRecord record = read;
        const RecordProof proof = ProveRecordNow(folder, record, {own});
        EXPECT_EQ(proof.verdict, c.verdict) << c.what;
        EXPECT_EQ(proof.why, c.why) << c.what;
        EXPECT_EQ(record.milliseconds, c.proved.milliseconds) << c.what;
        EXPECT_EQ(record.demoFile, c.proved.demoFile) << c.what;
    }
}

// Another process keeps the pilot's chase again and again, each keep under a new name and the
// last one removed, while records read before the last keep are proved (as `shipyard records`
// proves its last record after the others, and the game the record it read at start): no proof
// fails.
TEST(RecordProof, KeepsInProgressNeverFailAProof) {
    std::vector<DemoResult> chases;
    std::string note, reason;
    ASSERT_TRUE(ReplayDemoFile("data/pilot.demo", "", chases, note, reason)) << reason;
    const uint64_t time = chases[0].chase.milliseconds;
    const ShipSetPlace own = FindShipSets(WriteShips("racing-own"), "")[0];
    const std::string folder = testing::TempDir() + "racing";
    std::filesystem::remove_all(folder);
    mkdir(folder.c_str(), 0777);
    const std::string names[2] = {BestDemoName(own.set, time),
                                  "best-" + ShipSetName(own.set) + ".demo"};
    KeepPilot(folder, own.set, time, names[0], names[1]);
    const pid_t keeper = fork();
    if (keeper == 0)
        for (int next = 1;; next ^= 1)
            KeepPilot(folder, own.set, time, names[next], names[next ^ 1]);
    int verified = 0;
    std::string why;
    for (int proof = 0; proof < 40; ++proof) {
        Records records;
        ASSERT_TRUE(LoadRecords(folder + "/records", records, reason)) << reason;
        ShipSetRecord record = *FindRecord(records, own.set);
        for (int wait = 0; wait < 1000 && ReadWholeFile(folder + "/records").find(record.demoFile) !=
                                              std::string::npos;
             ++wait)
            usleep(1000); // until a keep replaced the record read
        const RecordProof proved = ProveRecordNow(folder, record, {own});
        verified += proved.verdict == ProofVerdict::Verified;
        why = proved.verdict == ProofVerdict::Verified ? why : proved.why;
    }
    kill(keeper, SIGKILL);
    waitpid(keeper, nullptr, 0);
    EXPECT_EQ(verified, 40) << why;
}

TEST(RecordProof, ShipsAreLookedForWhereTheGameFindsThemEachFolderOnce) {
    const std::string data = WriteShips("places-data"), installed = WriteShips("places-in", 12);
    const std::string bare = testing::TempDir() + "places-bare", gone = bare + "/gone";
    mkdir(bare.c_str(), 0777);
    const std::string inData = "the ships in " + data, inGone = "the ships in " + gone,
                      here = "the ships in the current folder", inst = "the installed ships";
    const struct {
        const char* what;
        std::string folder, requested, installed;
        std::vector<std::string> words; // in order, and whether each was found
        std::vector<bool> found;
    } cases[] = {
        {"--data, then the installed ships", bare, data, installed, {inData, inst}, {true, true}},
        {"the current folder's own ships first", data, "", installed, {here, inst}, {true, true}},
        {"--data naming no ships", bare, gone, "", {inGone, here}, {false, false}},
        {"--data naming the installed folder", bare, installed, installed, {inst}, {true}},
    };
    char before[4096];
    ASSERT_TRUE(getcwd(before, sizeof before));
    for (const auto& c : cases) {
        ASSERT_EQ(chdir(c.folder.c_str()), 0) << c.what;
        const std::vector<ShipSetPlace> places = FindShipSets(c.requested, c.installed);
        ASSERT_EQ(chdir(before), 0);
        ASSERT_EQ(places.size(), c.words.size()) << c.what;
        for (size_t i = 0; i < places.size(); ++i) {
            EXPECT_EQ(places[i].words, c.words[i]) << c.what << ", place " << i;
            EXPECT_EQ(places[i].found, c.found[i]) << c.what << ", place " << i;
        }
    }
    EXPECT_EQ(FindShipSets(gone, "")[0].problem, gone + "/alukset.txt: No such file or directory");
}

} // namespace

// A demo chosen as the ghost, proved against the ships being played: its first chase must end
// with them, and its break-ups come back in order, the last at the chase's end.
TEST(RecordProof, AGhostIsProvedOnTheShipsPlayedAndGivesItsBreakUps) {
    std::vector<DemoResult> chases;
    std::string note, reason;
    ASSERT_TRUE(ReplayDemoFile("data/pilot.demo", "", chases, note, reason)) << reason;
    const uint64_t time = chases[0].chase.milliseconds;
    const std::string own = WriteShips("ghost-own") + "/alukset.txt",
                      other = WriteShips("ghost-other", 20) + "/alukset.txt";
    const std::string folder = testing::TempDir() + "ghost-demos/";
    mkdir(folder.c_str(), 0777);
    std::vector<unsigned char> best;
    ASSERT_TRUE(CutChaseDemo("data/pilot.demo", 0, chases[0].endFrame, best, reason)) << reason;
    WriteScratchFile("ghost-demos/best.demo", best);
    WriteScratchFile("ghost-demos/idle.demo", IdleDemo(100, DemoFrame()));
    const std::string pilot = ReadWholeFile("data/pilot.demo");
    WriteScratchFile("ghost-demos/cut.demo", Bytes(pilot.substr(0, 20)));
    const struct {
        const char* what;
        std::string demo, ships;
        std::string why; // empty: proved
    } cases[] = {
        {"the player's own best, as a keep cut it", folder + "best.demo", own, ""},
        {"a demo of these ships", "data/pilot.demo", own, ""},
        {"a demo of other ships", "data/pilot.demo", other,
         "alukset.txt differs from the recording: Maradyne has thrust 20, recorded 13"},
        {"a chase that never ends", folder + "idle.demo", own,
         "the demo's chase does not end: 12 chasers left after 100 frames"},
        {"a corrupt demo", folder + "cut.demo", own, "file ends inside the header"},
        {"no file", folder + "gone.demo", own, "No such file or directory"},
    };
    for (const auto& c : cases) {
        const GhostProof proof = ProveGhostDemo(c.demo, c.ships);
        EXPECT_EQ(proof.proved, c.why.empty()) << c.what << ": " << proof.why;
        if (c.why.empty()) {
            EXPECT_EQ(proof.milliseconds, time) << c.what;
            ASSERT_EQ(proof.breakUps.size(), 12u) << c.what;
            EXPECT_TRUE(std::is_sorted(proof.breakUps.begin(), proof.breakUps.end())) << c.what;
            EXPECT_GT(proof.breakUps.front(), 0u) << c.what;
            EXPECT_EQ(proof.breakUps.back(), time) << c.what;
        } else {
            EXPECT_NE(proof.why.find(c.why), std::string::npos) << c.what << ": " << proof.why;
        }
        EXPECT_TRUE(shipCatalogue.entries.empty() && world.ships.empty()) << c.what;
    }
}

// The proved ghost as the child process hands it back: written and read again, and text that is
// no such line refused.
TEST(RecordProof, AGhostsProofAsText) {
    GhostProof proof;
    proof.milliseconds = 61299;
    proof.breakUps = {1000, 1000, 20500, 61299};
    EXPECT_EQ(GhostProofText(proof), "61299 1000 1000 20500 61299");
    GhostProof read;
    std::string reason;
    ASSERT_TRUE(ReadGhostProofText("61299 1000 1000 20500 61299", read, reason)) << reason;
    EXPECT_TRUE(read.proved);
    EXPECT_EQ(read.milliseconds, 61299u);
    EXPECT_EQ(read.breakUps, proof.breakUps);
    const struct {
        const char* text;
        const char* why;
    } bad[] = {
        {"", "no chase time"},
        {"x", "no chase time"},
        {"100 50 20", "break-up 2 is no time in order"},
        {"100 150", "break-up 1 is no time in order"},
        {"100 50 ", "break-up 2 is no time in order"},
        {"100 5x", "break-up 1 is no time in order"},
        {"99999999999999999999", "no chase time"},
    };
    for (const auto& b : bad) {
        read = proof;
        EXPECT_FALSE(ReadGhostProofText(b.text, read, reason)) << b.text;
        EXPECT_EQ(reason, b.why) << b.text;
        EXPECT_EQ(read.breakUps, proof.breakUps) << b.text << ": left as it was";
    }
}
