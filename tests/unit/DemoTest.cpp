// SPDX-License-Identifier: MIT
// Demos: a scripted pilot's recording replays to its own end; broken files and changed
// catalogues are refused; long files are read in bounded memory; the frame loop's update rule,
// the world's hash and the closing line.
#include "Autopilot.h"
#include "CatalogueFile.h"
#include "DemoFile.h"
#include "Replay.h"
#include "Step.h"
#include "StepTestSupport.h"
#include "TestFiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>

namespace {

RandomSeed TestSeed() {
    RandomSeed seed;
    std::mt19937 random(5);
    for (uint32_t& word : seed.words)
        word = random();
    return seed;
}

// A game as the frame loop plays it, recorded as it goes: frame lengths of 1 to 20 ms (the first
// ones short, so that the update rule holds back more than the first frame), the pilot's keys,
// now and then T, and stretches of P.
DemoResult FlyAndRecord(const std::string& path, int frameCount) {
    world = World();
    LoadDefaultCatalogue();
    Demo header;
    header.starSeed = TestSeed();
    header.shipTypes = RecordedShipTypes(shipCatalogue);
    EXPECT_TRUE(SetUpWorld(&header.starSeed));
    DemoRecorder recorder;
    std::string reason;
    EXPECT_TRUE(StartDemoRecording(recorder, path, reason)) << reason;
    EXPECT_TRUE(RecordDemoHeader(recorder, header, reason)) << reason;
    std::mt19937 random(11);
    FrameClock clock;
    StepEvents events;
    for (int i = 0; i < frameCount; ++i) {
        double elapsed = i < 3 ? 1 : 1 + random() % 20;
        HeldKeys keys = Autopilot(world);
        HoldKey(keys, ActionRedLight, i % 50 < 5);
        HoldKey(keys, ActionPause, i % 700 > 650);
        EXPECT_TRUE(RecordDemoFrame(recorder, elapsed, keys, reason)) << reason;
        events.list.clear();
        if (FrameUpdates(clock, elapsed))
            AdvanceWorld(world, keys, elapsed * 0.001, events);
    }
    EXPECT_TRUE(FinishDemoRecording(recorder, reason)) << reason;
    return SumUpGame(world, recorder.frames, recorder.milliseconds, ChaseClock());
}

std::string Replayed(const std::string& path) {
    world = World();
    DemoReader reader;
    std::vector<DemoResult> chases;
    std::string reason;
    EXPECT_TRUE(OpenDemo(path, reader, reason)) << reason;
    EXPECT_TRUE(ReplayDemo(reader, chases, reason)) << reason;
    EXPECT_EQ(chases.size(), 1u);
    return chases.empty() ? "" : DemoLine(chases.back());
}

} // namespace

TEST(Demo, AScriptedPilotsRecordingReplaysToTheSameWorld) {
    const std::string path = testing::TempDir() + "pilot.demo";
    DemoResult flown = FlyAndRecord(path, 6000); // about a minute
    EXPECT_LT(flown.chasersLeft, 12u) << "the pilot hit nothing: a poor test of the replay";

    DemoReader reader;
    std::string reason;
    ASSERT_TRUE(OpenDemo(path, reader, reason)) << reason;
    EXPECT_TRUE(reader.demo.finished);
    EXPECT_EQ(reader.demo.frameCount, 6000u);
    EXPECT_EQ(CatalogueDifference(reader.demo.shipTypes, shipCatalogue), "");
    EXPECT_EQ(Replayed(path), DemoLine(flown));
    // Demos that players keep replay only while the step computes exactly as it did: this line
    // is the same in every build. Change it only for a change meant to make the game play
    // differently, which makes every recorded demo replay differently too.
    EXPECT_EQ(DemoLine(flown),
              "demo: 6000 frames, 63.540 s, 2 chasers left, state 46c09163c75b303a");

    // The keys count.
    const std::string file = ReadWholeFile(path);
    std::vector<unsigned char> withoutKeys(file.begin(), file.end());
    for (size_t at = reader.framesAt + 4; at < withoutKeys.size(); at += DemoFrameBytes)
        withoutKeys[at] = withoutKeys[at + 1] = 0;
    EXPECT_NE(Replayed(WriteScratchFile("without keys.demo", withoutKeys)), DemoLine(flown));
    world = World();
    shipCatalogue.Clear();
}

TEST(FrameClock, AFrameUpdatesOnceTheFramesBeforeItLastedMoreThanAMillisecond) {
    struct Case {
        std::vector<double> elapsed;
        std::vector<bool> updates;
    } cases[] = {
        {{1, 1, 1, 5}, {false, false, true, true}},
        {{2, 1}, {false, true}},
        {{60, 1}, {false, true}},
    };
    for (const Case& c : cases) {
        FrameClock clock;
        for (size_t i = 0; i < c.elapsed.size(); ++i)
            EXPECT_EQ(FrameUpdates(clock, c.elapsed[i]), c.updates[i]) << i;
    }
}

namespace {

std::vector<unsigned char> ValidDemo(int frames = 3) {
    Demo demo;
    demo.starSeed = TestSeed();
    demo.shipTypes = {{"Bullet", 0, 0}, {"brightfin", 24, 220}};
    std::vector<unsigned char> bytes;
    AppendDemoHeader(bytes, demo);
    for (int i = 0; i < frames; ++i)
        AppendDemoFrame(bytes, {uint32_t(i + 1), ActionThrust | ActionFire});
    AppendDemoEnd(bytes);
    return bytes;
}

constexpr size_t HeaderBytes = 8 + 2 + 2 + 4 * 624 + 4 + (2 + 6 + 8) + (2 + 9 + 8);
constexpr size_t FirstNameAt = 8 + 2 + 2 + 4 * 624 + 4 + 2;
constexpr size_t SecondNameAt = FirstNameAt + 6 + 8 + 2;

void Put16(std::vector<unsigned char>& bytes, size_t at, uint16_t value) {
    bytes[at] = uint8_t(value);
    bytes[at + 1] = uint8_t(value >> 8);
}

void Put32(std::vector<unsigned char>& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = uint8_t(value >> (8 * i));
}

std::vector<unsigned char> Cut(std::vector<unsigned char> bytes, size_t size) {
    bytes.resize(size);
    return bytes;
}

} // namespace

TEST(DemoFile, BrokenFilesAreRefusedAndCutOnesPlayTheirWholeFrames) {
    const std::vector<unsigned char> valid = ValidDemo();
    ASSERT_EQ(valid.size(), HeaderBytes + 4 * DemoFrameBytes);
    auto changed = [&](auto change) {
        std::vector<unsigned char> bytes = valid;
        change(bytes);
        return bytes;
    };
    struct Case {
        const char* what;
        std::vector<unsigned char> bytes;
        const char* reason; // empty: accepted
        size_t frames = 0;
        bool finished = false;
        size_t partialFrameBytes = 0;
    } cases[] = {
        {"whole", valid, "", 3, true, 0},
        {"empty", {}, "file ends inside the header: the mark and version needs 10 bytes, 0 left"},
        {"cut in the mark", Cut(valid, 5), "the mark and version needs 10 bytes, 5 left"},
        {"other mark", changed([](auto& b) { b[3] = 'X'; }),
         "not a starchase demo: it does not begin with STARDEMO"},
        {"text", {'h', 'e', 'l', 'l', 'o'}, "not a starchase demo"},
        {"version 4", changed([](auto& b) { Put16(b, 8, 4); }),
         "demo format version 4 is not supported: only 2 to 3"},
        {"version 1", changed([](auto& b) { Put16(b, 8, 1); }),
         "demo format version 1 is not supported: only 2 to 3"},
        {"other rules", changed([](auto& b) { Put16(b, 10, 7); }),
         "recorded under the game's rules version 7; this game plays rules version"},
        {"cut in the rules version", Cut(valid, 11), "the rules version needs 2 bytes, 1 left"},
        {"cut in the seed", Cut(valid, 1002), "the star seed needs 2496 bytes, 990 left"},
        {"cut before the types", Cut(valid, 2510),
         "the number of ship types needs 4 bytes, 2 left"},
        {"cut in a name", Cut(valid, SecondNameAt + 3), "ship type 2 of 2 needs 17 bytes, 3 left"},
        {"too many types", changed([](auto& b) { Put32(b, FirstNameAt - 6, 100000); }),
         "the header lists 100000 ship types, more than its 59 bytes left could hold"},
        {"more types than the game loads", changed([](auto& b) {
             Put32(b, FirstNameAt - 6, MaxShipTypes + 1);
             b.resize(b.size() + 10 * MaxShipTypes);
         }),
         "the header lists 65536 ship types: the game loads at most 65535"},
        {"a name longer than a catalogue's line", changed([](auto& b) {
             Put16(b, FirstNameAt - 2, MaxCatalogueLine + 1);
             b.resize(b.size() + 300);
         }),
         "ship type 1 of 2 has a name of 256 bytes: a catalogue's names have at most 255"},
        {"a name of no length", changed([](auto& b) { Put16(b, FirstNameAt - 2, 0); }),
         "ship type 1 of 2 has no name"},
        {"names out of order", changed([](auto& b) { b[SecondNameAt] = 'A'; }),
         "ship type 2 of 2 (Arightfin) is out of name order"},
        {"a frame of 0 ms", changed([](auto& b) { Put32(b, HeaderBytes + 6, 0); }),
         "frame 2 lasts 0 ms: a frame lasts from 1 ms to 86400000 ms (a day)"},
        {"a frame longer than a day", changed([](auto& b) { Put32(b, HeaderBytes, 86400001); }),
         "frame 1 lasts 86400001 ms"},
        {"a frame of the longest", changed([](auto& b) { Put32(b, HeaderBytes, 86400000); }), "", 3,
         true, 0},
        // The top bit stays free the longest as actions are added.
        {"unknown keys", changed([](auto& b) { Put16(b, HeaderBytes + 16, 0x8001); }),
         "frame 3 holds unknown key bits 0x8000"},
        {"bytes after the end", changed([](auto& b) { b.push_back(0); }),
         "1 bytes follow the end mark"},
        {"cut in a frame", Cut(valid, HeaderBytes + 8), "", 1, false, 2},
        {"cut before the end mark", Cut(valid, HeaderBytes + 18), "", 3, false, 0},
        {"cut in the end mark", Cut(valid, HeaderBytes + 20), "", 3, false, 2},
        {"no frames", Cut(valid, HeaderBytes), "", 0, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Demo demo;
        demo.frameCount = 7; // a refused file leaves the demo as it was
        std::string reason;
        bool accepted = ParseDemo(c.bytes.data(), c.bytes.size(), demo, reason);
        if (*c.reason) {
            EXPECT_FALSE(accepted);
            EXPECT_NE(reason.find(c.reason), std::string::npos) << reason;
            EXPECT_EQ(demo.frameCount, 7u);
            continue;
        }
        ASSERT_TRUE(accepted) << reason;
        EXPECT_EQ(demo.frameCount, c.frames);
        EXPECT_EQ(demo.finished, c.finished);
        EXPECT_EQ(demo.partialFrameBytes, c.partialFrameBytes);
        EXPECT_EQ(demo.shipTypes.size(), 2u);
        EXPECT_EQ(std::memcmp(demo.starSeed.words, TestSeed().words, sizeof demo.starSeed), 0);
    }
}

TEST(DemoFile, UnreadableFilesGiveTheSystemsReason) {
    DemoReader missing, folder, cut;
    std::string reason;
    EXPECT_FALSE(OpenDemo(testing::TempDir() + "no such.demo", missing, reason));
    EXPECT_EQ(reason, "No such file or directory");
    EXPECT_FALSE(OpenDemo(testing::TempDir(), folder, reason));
    EXPECT_EQ(reason, "is a directory, not a regular file");
    const std::string path = WriteScratchFile("cut.demo", Cut(ValidDemo(), HeaderBytes + 9));
    ASSERT_TRUE(OpenDemo(path, cut, reason));
    EXPECT_EQ(UnfinishedDemoNote(cut.demo),
              "ends inside frame 2 (3 of 6 bytes): replaying the 1 whole frames before it");
}

TEST(DemoFile, AFrameNoDemoCanHoldStopsTheRecording) {
    DemoRecorder recorder;
    std::string reason;
    const std::string path = testing::TempDir() + "stopped.demo";
    ASSERT_TRUE(StartDemoRecording(recorder, path, reason));
    ASSERT_TRUE(RecordDemoHeader(recorder, Demo(), reason));
    EXPECT_TRUE(RecordDemoFrame(recorder, 5, HeldKeys(), reason));
    // The millisecond tick wrapping round gives a frame of less than nothing.
    EXPECT_FALSE(RecordDemoFrame(recorder, -4294967290.0, HeldKeys(), reason));
    EXPECT_EQ(reason, "frame 2 lasted -4294967290 ms, which no demo can hold");
    EXPECT_FALSE(RecordDemoFrame(recorder, 5, HeldKeys(), reason));
    DemoReader reader;
    ASSERT_TRUE(OpenDemo(path, reader, reason)) << reason;
    EXPECT_EQ(reader.demo.frameCount, 1u);
    EXPECT_FALSE(reader.demo.finished);
    EXPECT_FALSE(StartDemoRecording(recorder, testing::TempDir() + "no/such/folder.demo", reason));
    EXPECT_EQ(reason, "No such file or directory");
}

namespace {

// The kernel's peak of this process's resident memory, in kB, since the last ResetMemoryPeak.
long MemoryPeakKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string field;
    long kilobytes = 0;
    while (status >> field && field != "VmHWM:") {
    }
    status >> kilobytes;
    return kilobytes;
}

bool ResetMemoryPeak() {
    std::ofstream peak("/proc/self/clear_refs");
    peak << "5";
    peak.flush();
    return bool(peak);
}

// Frame i of a long game: every one paused, lengths and keys changing from frame to frame.
DemoFrame LongGameFrame(uint32_t i) {
    return {1 + i % 97, uint16_t((i * 7 | ActionPause) & AllHeldActions)};
}

} // namespace

TEST(DemoFile, ReadingTakesMemoryThatDoesNotGrowWithTheFile) {
    if (!ResetMemoryPeak())
        GTEST_SKIP() << "the peak of resident memory cannot be reset here";
    // 2 GB of zeros, on disk as a sparse file: refused from its first bytes.
    const std::string zeros = testing::TempDir() + "zeros.demo";
    int descriptor = open(zeros.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(descriptor, 0);
    ASSERT_EQ(ftruncate(descriptor, off_t(2) << 30), 0);
    close(descriptor);
    const long before = MemoryPeakKilobytes();
    DemoReader refused;
    std::string reason;
    EXPECT_FALSE(OpenDemo(zeros, refused, reason));
    EXPECT_EQ(reason, "not a starchase demo: it does not begin with STARDEMO");
    EXPECT_LT(MemoryPeakKilobytes() - before, 1024);
    std::remove(zeros.c_str());

    // A header that declares 20 million ship types, on 210 MB: refused from its first bytes.
    Demo many;
    std::vector<unsigned char> head;
    AppendDemoHeader(head, many);
    Put32(head, head.size() - 4, 20000000);
    const std::string hostile = testing::TempDir() + "hostile.demo";
    descriptor = open(hostile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(descriptor, 0);
    ASSERT_EQ(write(descriptor, head.data(), head.size()), ssize_t(head.size()));
    ASSERT_EQ(ftruncate(descriptor, off_t(210) << 20), 0);
    close(descriptor);
    ASSERT_TRUE(ResetMemoryPeak());
    const long beforeHostile = MemoryPeakKilobytes();
    DemoReader hostileReader;
    EXPECT_FALSE(OpenDemo(hostile, hostileReader, reason));
    EXPECT_EQ(reason, "the header lists 20000000 ship types: the game loads at most 65535");
    EXPECT_LT(MemoryPeakKilobytes() - beforeHostile, 1024);
    std::remove(hostile.c_str());

    // A header longer than one read (300 names of the longest a catalogue keeps), then two
    // million frames (12 MB).
    Demo header;
    for (int i = 100; i < 400; ++i)
        header.shipTypes.push_back(
            {std::string(MaxCatalogueLine - 3, 'A') + std::to_string(i), 1, 2});
    std::vector<unsigned char> bytes;
    AppendDemoHeader(bytes, header);
    const std::string path = testing::TempDir() + "long.demo";
    std::ofstream out(path, std::ios::binary);
    constexpr uint32_t FrameCount = 2000000;
    uint64_t milliseconds = 0;
    for (uint32_t i = 0; i < FrameCount; ++i) {
        AppendDemoFrame(bytes, LongGameFrame(i));
        milliseconds += LongGameFrame(i).milliseconds;
        if (bytes.size() > 60000 || i + 1 == FrameCount) {
            out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
            bytes.clear();
        }
    }
    out.close();

    ASSERT_TRUE(ResetMemoryPeak());
    const long start = MemoryPeakKilobytes();
    DemoReader reader;
    ASSERT_TRUE(OpenDemo(path, reader, reason)) << reason;
    EXPECT_EQ(reader.demo.shipTypes.size(), 300u);
    EXPECT_EQ(reader.demo.frameCount, FrameCount);
    EXPECT_EQ(reader.demo.milliseconds, milliseconds);
    EXPECT_FALSE(reader.demo.finished);
    DemoFrame frame;
    uint32_t read = 0, wrong = 0;
    for (; ReadDemoFrame(reader, frame, reason); ++read)
        wrong += frame.milliseconds != LongGameFrame(read).milliseconds ||
                 frame.keys != LongGameFrame(read).keys;
    EXPECT_EQ(reason, "");
    EXPECT_EQ(read, FrameCount);
    EXPECT_EQ(wrong, 0u);
    // The header's 80 kB and one read's buffer; the whole file would be 12 MB.
    EXPECT_LT(MemoryPeakKilobytes() - start, 1024);
    std::remove(path.c_str());
}

TEST(CatalogueDifference, NamesTheFirstDifferenceInNameOrder) {
    LoadDefaultCatalogue();
    const std::vector<DemoShipType> same = RecordedShipTypes(shipCatalogue);
    auto changed = [&](auto change) {
        std::vector<DemoShipType> recorded = same;
        change(recorded);
        return recorded;
    };
    struct Case {
        std::vector<DemoShipType> recorded;
        std::string difference;
    } cases[] = {
        {same, ""},
        // Recorded in name order: Bullet, Maradyne, Quessal, Tarvesh4, Umbrek, brightfin.
        {changed([](auto& r) { r.erase(r.begin() + 4); }), "Umbrek is not in the recording"},
        {changed([](auto& r) { r.pop_back(); }), "brightfin is not in the recording"},
        {changed([](auto& r) {
             r.insert(r.begin() + 1, {"Kestrel", 7.5f, 45});
         }),
         "Kestrel is missing (recorded with thrust 7.5 and turn rate 45)"},
        {changed([](auto& r) {
             r.push_back({"zeta", 1, 2});
         }),
         "zeta is missing (recorded with thrust 1 and turn rate 2)"},
        // A name from a file is quoted whole and harmless: a NUL and a terminal's escape.
        {changed([](auto& r) {
             r.insert(r.begin() + 1, {std::string("Ke\0st\x1b]0;x\arel", 14), 1, 2});
         }),
         "Ke\\x00st\\x1b]0;x\\x07rel is missing (recorded with thrust 1 and turn rate 2)"},
        {changed([](auto& r) { r[2].thrust = 9.1f; }), "Quessal has thrust 9, recorded 9.1"},
        {changed([](auto& r) { r[5].turnRate = 219.99998f; }),
         "brightfin has turn rate 220, recorded 219.99998"},
        {changed([](auto& r) { r[0].thrust = -0.0f; }), "Bullet has thrust 0, recorded -0"},
        {changed([](auto& r) {
             r[1].thrust = 1;
             r[3].thrust = 1;
         }),
         "Maradyne has thrust 13, recorded 1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CatalogueDifference(c.recorded, shipCatalogue), c.difference);
    shipCatalogue.Clear();
    EXPECT_EQ(CatalogueDifference(same, shipCatalogue),
              "Bullet is missing (recorded with thrust 0 and turn rate 0)");
}

TEST(WorldHash, CoversEveryHashedFieldOfEveryShipAndShot) {
    // FNV-1a of the two zero counts, eight zero bytes.
    EXPECT_EQ(WorldHash(World()), 0xa8c7f832281a39c5u);
    World w;
    w.ships.resize(2);
    w.ships[1].hitPoints = 3;
    w.projectiles.resize(2);
    const uint64_t base = WorldHash(w);
    using Change = void (*)(World&);
    const Change changes[] = {
        [](World& v) { v.ships[1].position.x = 1; },
        [](World& v) { v.ships[0].position.y = -0.0f; },
        [](World& v) { v.ships[1].velocity.x = 1; },
        [](World& v) { v.ships[1].velocity.y = 1; },
        [](World& v) { v.ships[1].heading = 1; },
        [](World& v) { v.ships[1].hitPoints = 9; },
        [](World& v) { v.ships[1].reloadTimer = 1; },
        [](World& v) { v.projectiles.back().position.x = 1; },
        [](World& v) { v.projectiles.back().position.y = 1; },
        [](World& v) { v.projectiles.back().velocity.x = 1; },
        [](World& v) { v.projectiles.back().velocity.y = 1; },
        [](World& v) { v.projectiles.back().heading = 1; },
        [](World& v) { v.projectiles.back().lifeLeft = 1; },
        [](World& v) { v.projectiles.pop_back(); },
        [](World& v) { std::swap(v.ships[0], v.ships[1]); },
    };
    for (Change change : changes) {
        World v = w;
        change(v);
        EXPECT_NE(WorldHash(v), base) << &change - changes;
    }
    w.ships[1].visible = true; // drawing's business, not the game's state
    EXPECT_EQ(WorldHash(w), base);
}

TEST(DemoLine, SecondsToThreeDecimalsAndSixteenHexDigits) {
    DemoResult result;
    result.frames = 3;
    result.milliseconds = 61005;
    result.chasersLeft = 12;
    result.hash = 0xA1;
    EXPECT_EQ(DemoLine(result),
              "demo: 3 frames, 61.005 s, 12 chasers left, state 00000000000000a1");
}
