// SPDX-License-Identifier: MIT
// The records on disk: what is there is read or refused without waiting or reading too much, and
// a record is kept with its demo, or nothing changes.
#include "RecordsStore.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(RecordsStore, WhatIsThereIsReadOrRefused) {
    const std::string folder = testing::TempDir() + "records-load";
    mkdir(folder.c_str(), 0777);
    const std::string fifo = folder + "/fifo", large = folder + "/large";
    mkfifo(fifo.c_str(), 0666);
    WriteScratchFile("records-load/large", {});
    ASSERT_EQ(truncate(large.c_str(), off_t(MaxRecordsFileBytes) + 1), 0);
    WriteScratchFile("records-load/ours", {'s', 't', 'a', 'r', 'c', 'h', 'a', 's', 'e', ' ',
                                           'r', 'e', 'c', 'o', 'r', 'd', 's', ' ', '1', '\n'});
    const struct {
        const char* what;
        std::string path;
        const char* reason; // empty: read
    } cases[] = {
        {"nothing there", folder + "/none", ""},
        {"no folder there", folder + "/ours/records", ""},
        {"a records file", folder + "/ours", ""},
        {"a folder", folder, "is a directory, not a regular file"},
        {"a named pipe", fifo, "is a named pipe, not a regular file"},
        {"a file too large", large, "larger than 1048576 bytes, more than any records file holds"},
    };
    for (const auto& c : cases) {
        Records records;
        records.lines.resize(2);
        std::string reason;
        EXPECT_EQ(LoadRecords(c.path, records, reason), c.reason[0] == '\0') << c.what;
        EXPECT_EQ(reason, c.reason) << c.what;
        EXPECT_EQ(records.lines.size(), c.reason[0] ? 2u : 0u) << c.what;
    }
}

// Keeps a chase of `milliseconds` for set 0xab with a one-byte demo; gives whether it was kept.
bool Keep(const std::string& folder, uint64_t milliseconds, Records& records,
          KeptChase& outcome) {
    std::string reason;
    EXPECT_TRUE(KeepBestChase(folder, 0xab, milliseconds, {uint8_t(milliseconds % 251)}, records,
                              outcome, reason))
        << reason;
    return outcome.kept;
}

// The records file names, at every moment, a demo that is there; a better chase's demo takes a
// name of its own and the one it beat goes; a chase is judged against the file as it is now.
TEST(RecordsStore, AChaseIsJudgedAgainstTheFileAsItIsNowAndKeptInOrder) {
    const std::string folder = testing::TempDir() + "records-keep/player/starchase";
    std::filesystem::remove_all(folder);
    Records records;
    KeptChase outcome;
    ASSERT_TRUE(Keep(folder, 61200, records, outcome));
    EXPECT_FALSE(outcome.hadRecord);
    EXPECT_EQ(ReadWholeFile(folder + "/records"),
              "starchase records 1\n# ship set, best chase in seconds, its demo\n"
              "00000000000000ab 61.200 best-00000000000000ab-61200.demo\n");
    EXPECT_EQ(ReadWholeFile(folder + "/best-00000000000000ab-61200.demo"), "\xcf");

    Records stale = records; // another program keeps a better chase meanwhile
    ASSERT_TRUE(Keep(folder, 50000, records, outcome));
    EXPECT_EQ(outcome.previous, 61200u);
    EXPECT_EQ(access((folder + "/best-00000000000000ab-61200.demo").c_str(), F_OK), -1)
        << "the demo it beat is gone";
    EXPECT_FALSE(Keep(folder, 55000, stale, outcome)) << "judged against 61.200, not 50.000";
    EXPECT_EQ(outcome.previous, 50000u);
    ASSERT_NE(FindRecord(stale, 0xab), nullptr);
    EXPECT_EQ(FindRecord(stale, 0xab)->milliseconds, 50000u) << "the records as they stand now";
    EXPECT_EQ(access((folder + "/best-00000000000000ab-55000.demo").c_str(), F_OK), -1);
}

// A keep removes the demo of the record it beats only when it is a best demo of the set that no
// other line names: a record naming anything else has no demo, and what its word names stays.
TEST(RecordsStore, AKeepRemovesOnlyABestDemoNoOtherLineNames) {
    const std::string folder = testing::TempDir() + "records-names", own = "best-00000000000000ab";
    const struct {
        const char* what;
        std::string word;      // the beaten record's demo
        std::string otherWord; // set cd's demo
        bool removed;
        size_t noDemo; // records read with no demo
    } cases[] = {
        {"the records file", "records", "best-00000000000000cd-1000.demo", false, 1},
        {"the lock", "records.lock", "best-00000000000000cd-1000.demo", false, 1},
        {"the last chase", "last.demo", "best-00000000000000cd-1000.demo", false, 1},
        {"a file outside", "../outside.demo", "best-00000000000000cd-1000.demo", false, 1},
        {"another set's best demo", "best-00000000000000cd-1000.demo",
         "best-00000000000000cd-1000.demo", false, 1},
        {"its best demo", own + "-60000.demo", "best-00000000000000cd-1000.demo", true, 0},
        {"its best demo as older games named it", own + ".demo", "best-00000000000000cd-1000.demo",
         true, 0},
        {"its best demo, named by another line too", own + "-60000.demo", own + "-60000.demo",
         false, 1},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(folder);
        mkdir(folder.c_str(), 0777);
        const std::string others = "00000000000000cd 1.000 " + c.otherWord + "\n";
        const std::string text =
            "starchase records 1\n00000000000000ab 60.000 " + c.word + "\n" + others;
        WriteScratchFile("records-names/records",
                         std::vector<unsigned char>(text.begin(), text.end()));
        for (const std::string& name :
             {std::string("records.lock"), std::string("last.demo"),
              std::string("best-00000000000000cd-1000.demo"), own + "-60000.demo", own + ".demo"})
            WriteScratchFile("records-names/" + name, {'d'});
        WriteScratchFile("outside.demo", {'d'});
        Records records;
        KeptChase outcome;
        ASSERT_TRUE(Keep(folder, 50000, records, outcome)) << c.what;
        EXPECT_EQ(outcome.previous, 60000u) << c.what;
        EXPECT_EQ(outcome.noDemo.size(), c.noDemo) << c.what;
        EXPECT_EQ(ReadWholeFile(folder + "/records"),
                  "starchase records 1\n00000000000000ab 50.000 " + BestDemoName(0xab, 50000) +
                      "\n" + others)
            << c.what;
        EXPECT_EQ(access((folder + "/" + c.word).c_str(), F_OK), c.removed ? -1 : 0) << c.what;
        for (const std::string name :
             {"records.lock", "last.demo", "best-00000000000000cd-1000.demo"})
            EXPECT_EQ(ReadWholeFile(folder + "/" + name), "d") << c.what << ": " << name;
        EXPECT_EQ(ReadWholeFile(testing::TempDir() + "outside.demo"), "d") << c.what;
    }
}

// The records' lock is taken only on a regular file: a link there is named as a link and never
// followed.
TEST(RecordsStore, TheLockIsTakenOnlyOnARegularFile) {
    const std::string folder = testing::TempDir() + "records-locks";
    const std::string lock = folder + "/records.lock", target = folder + "/target";
    const struct {
        const char* what;
        void (*make)(const std::string& path, const std::string& target);
        std::string reason; // after the path
    } cases[] = {
        {"a link to nothing",
         [](const std::string& p, const std::string& t) { symlink(t.c_str(), p.c_str()); },
         "is a symbolic link, refused: a lock is never taken through one"},
        {"a link to a file",
         [](const std::string& p, const std::string& t) {
             close(open(t.c_str(), O_CREAT | O_WRONLY, 0644));
             symlink(t.c_str(), p.c_str());
         },
         "is a symbolic link, refused: a lock is never taken through one"},
        {"a named pipe", [](const std::string& p, const std::string&) { mkfifo(p.c_str(), 0644); },
         "is a named pipe, not a regular file"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(folder);
        mkdir(folder.c_str(), 0777);
        c.make(lock, target);
        Records records;
        KeptChase outcome;
        std::string reason;
        EXPECT_FALSE(KeepBestChase(folder, 0xab, 1000, {1}, records, outcome, reason)) << c.what;
        EXPECT_EQ(reason, lock + ": " + c.reason) << c.what;
        EXPECT_EQ(ReadWholeFile(target), "") << c.what << ": the link's target was written";
        EXPECT_EQ(access((folder + "/records").c_str(), F_OK), -1) << c.what;
    }
}

// A records file that cannot be replaced (another hard link to it is refused) keeps its record,
// and the demo it names stays; the new demo is not left behind.
TEST(RecordsStore, AKeepThatFailsLeavesTheOldRecordProved) {
    const std::string folder = testing::TempDir() + "records-linked";
    std::filesystem::remove_all(folder);
    Records records;
    KeptChase outcome;
    ASSERT_TRUE(Keep(folder, 49000, records, outcome));
    const std::string link = testing::TempDir() + "records-linked-too";
    unlink(link.c_str());
    ASSERT_EQ(::link((folder + "/records").c_str(), link.c_str()), 0);
    const std::string before = ReadWholeFile(folder + "/records");
    std::string reason;
    EXPECT_FALSE(KeepBestChase(folder, 0xab, 33650, {1}, records, outcome, reason));
    EXPECT_NE(reason.find("hard link"), std::string::npos) << reason;
    EXPECT_EQ(ReadWholeFile(folder + "/records"), before);
    EXPECT_EQ(ReadWholeFile(folder + "/best-00000000000000ab-49000.demo"), "\x37");
    EXPECT_EQ(access((folder + "/best-00000000000000ab-33650.demo").c_str(), F_OK), -1);
}

// Games keeping chases at once, each in a process of its own, take turns on the folder's lock:
// the best of them is the record and its demo the only one left.
TEST(RecordsStore, KeepsAtOnceLoseNoRecord) {
    const std::string folder = testing::TempDir() + "records-at-once";
    std::filesystem::remove_all(folder);
    const uint64_t times[] = {70000, 40000, 65000, 52000, 45000, 60000};
    std::vector<pid_t> children;
    for (uint64_t time : times) {
        const pid_t child = fork();
        if (child == 0) {
            for (uint64_t tries = 0; tries < 20; ++tries) {
                Records records;
                KeptChase outcome;
                std::string reason;
                if (!KeepBestChase(folder, 0xab, time + tries * 7, {1, 2}, records, outcome,
                                   reason))
                    _exit(1);
            }
            _exit(0);
        }
        children.push_back(child);
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    Records records;
    std::string reason;
    ASSERT_TRUE(LoadRecords(folder + "/records", records, reason)) << reason;
    ASSERT_NE(FindRecord(records, 0xab), nullptr);
    EXPECT_EQ(FindRecord(records, 0xab)->milliseconds, 40000u);
    int demos = 0;
    for (uint64_t time : times)
        for (uint64_t tries = 0; tries < 20; ++tries)
            demos += access((folder + "/" + BestDemoName(0xab, time + tries * 7)).c_str(), F_OK) == 0;
    EXPECT_EQ(demos, 1);
    EXPECT_EQ(access((folder + "/best-00000000000000ab-40000.demo").c_str(), F_OK), 0);
}

// The fullest records file of whole seconds, `count` records of "0000000000000001 1 x": read,
// but each time grows by 4 bytes when written with three decimals.
std::string FullRecordsText(size_t& count) {
    std::string text = "starchase records 1\n";
    for (count = 0; text.size() + 21 <= MaxRecordsFileBytes; ++count)
        text += ShipSetName(count + 1) + " 1 x\n";
    return text;
}

// Neither the new demo nor the records file is written, and the records in memory stay; the reason
// names the file that could not be written. The new record beats set 1's and takes its line, its
// demo's name longer than the others' "x".
TEST(RecordsStore, AKeepThatCannotBeWrittenOrReadAgainChangesNothing) {
    const std::string blocked = testing::TempDir() + "records-blocked";
    WriteScratchFile("records-blocked", {'x'});
    const std::string full = testing::TempDir() + "records-full";
    mkdir(full.c_str(), 0777);
    const std::string taken = testing::TempDir() + "records-taken";
    const std::string takenDemo = taken + "/" + BestDemoName(1, 500);
    mkdir(taken.c_str(), 0777);
    mkdir(takenDemo.c_str(), 0777);
    WriteScratchFile("records-taken/records", {'s', 't', 'a', 'r', 'c', 'h', 'a', 's', 'e', ' ',
                                               'r', 'e', 'c', 'o', 'r', 'd', 's', ' ', '1', '\n'});
    size_t count = 0;
    const std::string fullText = FullRecordsText(count);
    WriteScratchFile("records-full/records",
                     std::vector<unsigned char>(fullText.begin(), fullText.end()));
    const struct {
        const char* what;
        std::string folder;
        std::string reason;
        uint64_t best; // set 1's record before and after, or 0
    } cases[] = {
        {"a file where the folder would be", blocked + "/starchase",
         blocked + "/starchase: Not a directory", 0},
        {"a folder where the demo would be", taken, takenDemo + ": is a directory, not written", 0},
        {"a full file whose times grow when written", full,
         full + "/records: the records would take " +
             std::to_string(fullText.size() + 4 * count + BestDemoName(1, 500).size() - 1) +
             " bytes, more than the 1048576 a records file may hold",
         1000},
    };
    for (const auto& c : cases) {
        const std::string recordsPath = c.folder + "/records";
        const std::string onDisk = ReadWholeFile(recordsPath);
        Records records;
        std::string reason;
        ASSERT_TRUE(LoadRecords(recordsPath, records, reason)) << c.what << ": " << reason;
        const size_t lines = records.lines.size();
        KeptChase outcome;
        EXPECT_FALSE(KeepBestChase(c.folder, 1, 500, {1}, records, outcome, reason)) << c.what;
        EXPECT_EQ(reason, c.reason) << c.what;
        EXPECT_EQ(records.lines.size(), lines) << c.what;
        const ShipSetRecord* best = FindRecord(records, 1);
        EXPECT_EQ(best ? best->milliseconds : 0, c.best) << c.what;
        EXPECT_EQ(ReadWholeFile(recordsPath), onDisk) << c.what;
        EXPECT_FALSE(std::filesystem::is_regular_file(c.folder + "/" + BestDemoName(1, 500)))
            << c.what;
    }
}

} // namespace
