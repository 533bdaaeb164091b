// SPDX-License-Identifier: MIT
// The records on disk: what is there is read or refused without waiting or reading too much, and
// a record is kept with its demo, or nothing changes.
#include "RecordsStore.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
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

TEST(RecordsStore, ARecordIsKeptWithItsDemoOrNothingChanges) {
    const std::string folder = testing::TempDir() + "records-keep/player/starchase";
    Records records;
    std::string reason;
    const ShipSetRecord record{0xab, 61200, BestDemoName(0xab)};
    ASSERT_TRUE(KeepRecord(folder, records, record, {1, 2, 3}, reason)) << reason;
    EXPECT_EQ(ReadWholeFile(folder + "/records"),
              "starchase records 1\n# ship set, best chase in seconds, its demo\n"
              "00000000000000ab 61.200 best-00000000000000ab.demo\n");
    EXPECT_EQ(ReadWholeFile(folder + "/best-00000000000000ab.demo"), "\1\2\3");
    ASSERT_NE(FindRecord(records, 0xab), nullptr);
}

// The fullest records file of whole seconds, `count` records of "0000000000000001 1 x": read,
// but each time grows by 4 bytes when written with three decimals.
std::string FullRecordsText(size_t& count) {
    std::string text = "starchase records 1\n";
    for (count = 0; text.size() + 21 <= MaxRecordsFileBytes; ++count)
        text += ShipSetName(count + 1) + " 1 x\n";
    return text;
}

// Neither the new demo nor the records file is written, and the records in memory stay. The new
// record beats set 1's and takes its line, with a demo name as short as the others.
TEST(RecordsStore, AKeepThatCannotBeWrittenOrReadAgainChangesNothing) {
    const std::string blocked = testing::TempDir() + "records-blocked";
    WriteScratchFile("records-blocked", {'x'});
    const std::string full = testing::TempDir() + "records-full";
    mkdir(full.c_str(), 0777);
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
        {"a full file whose times grow when written", full,
         "the records would take " + std::to_string(fullText.size() + 4 * count) +
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
        const ShipSetRecord record{1, 500, "y"};
        EXPECT_FALSE(KeepRecord(c.folder, records, record, {1}, reason)) << c.what;
        EXPECT_EQ(reason, c.reason) << c.what;
        EXPECT_EQ(records.lines.size(), lines) << c.what;
        const ShipSetRecord* best = FindRecord(records, 1);
        EXPECT_EQ(best ? best->milliseconds : 0, c.best) << c.what;
        EXPECT_EQ(ReadWholeFile(recordsPath), onDisk) << c.what;
        EXPECT_EQ(access((c.folder + "/" + record.demoFile).c_str(), F_OK), -1) << c.what;
    }
}

} // namespace
