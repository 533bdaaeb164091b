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

    const std::string blocked = testing::TempDir() + "records-blocked";
    WriteScratchFile("records-blocked", {'x'});
    const Records before = records;
    EXPECT_FALSE(
        KeepRecord(blocked + "/starchase", records, {0xcd, 1000, BestDemoName(0xcd)}, {1}, reason));
    EXPECT_EQ(reason, blocked + "/starchase: Not a directory");
    EXPECT_EQ(RecordsText(records), RecordsText(before));
}

} // namespace
