// SPDX-License-Identifier: MIT
// The records file: good files read back to what they say and write back the same, hostile and
// foreign ones are refused with the line and the reason, records that would not be read again are
// not written; a record is kept only when beaten.
#include "RecordsFile.h"

#include <gtest/gtest.h>

namespace {

const char Version[] = "starchase records 1\n";
const char SetA[] = "5f1c0e2a93d4b517";

// The shortest record line, "5f1c0e2a93d4b517 1 x", and the most of them a file holds.
const size_t ShortestRecordLine = 21;
const size_t FullRecords = (MaxRecordsFileBytes - (sizeof Version - 1)) / ShortestRecordLine;

// The fullest file of the shortest record lines: SetA's record, then sets 1, 2, ... up to
// `records` in all.
std::string FullFile(size_t records = FullRecords) {
    std::string text = Version + std::string(SetA) + " 1 x\n";
    for (uint64_t set = 1; set < records; ++set)
        text += ShipSetName(set) + " 1 x\n";
    return text;
}

// What RecordsText writes for `records`, or "refused: " and its reason.
std::string Written(const Records& records) {
    std::string text, reason;
    return RecordsText(records, text, reason) ? text : "refused: " + reason;
}

struct GoodFile {
    const char* what;
    std::string text;
    size_t records;
    uint64_t firstMilliseconds; // of the first record, when there is one
    std::string writtenBack;    // Written() of what was read
};

TEST(RecordsFile, GoodFilesReadAndWriteBack) {
    const std::string a = std::string(SetA) + " 67.400 best-" + SetA + ".demo\n";
    const GoodFile files[] = {
        {"the version line alone", Version, 0, 0, Version},
        {"no line end at all", "starchase records 1", 0, 0, Version},
        {"one record", Version + a, 1, 67400, Version + a},
        {"comments and empty lines are kept", Version + std::string("# mine\n\n") + a, 1, 67400,
         Version + std::string("# mine\n\n") + a},
        {"CR LF lines, tabs and runs of blanks",
         "starchase records 1\r\n" + std::string(SetA) + "\t 67.4   x.demo\r\n", 1, 67400,
         Version + std::string(SetA) + " 67.400 x.demo\n"},
        {"whole seconds and one decimal",
         Version + std::string(SetA) + " 61 a.demo\n" + "0000000000000001 0.5 b.demo\n", 2, 61000,
         Version + std::string(SetA) + " 61.000 a.demo\n0000000000000001 0.500 b.demo\n"},
        {"an older version number with leading zeros", "starchase records 01\n", 0, 0, Version},
        {"the longest time", Version + std::string(SetA) + " 1000000 a.demo\n", 1, 1000000000,
         Version + std::string(SetA) + " 1000000.000 a.demo\n"},
        {"the fullest file of whole seconds: each time grows by 4 bytes when written", FullFile(),
         FullRecords, 1000,
         "refused: the records would take " + std::to_string(FullFile().size() + 4 * FullRecords) +
             " bytes, more than the 1048576 a records file may hold"},
    };
    for (const GoodFile& f : files) {
        Records records;
        std::string reason;
        ASSERT_TRUE(ParseRecords(f.text, records, reason)) << f.what << ": " << reason;
        size_t count = 0;
        for (const RecordsLine& line : records.lines)
            count += line.isRecord;
        EXPECT_EQ(count, f.records) << f.what;
        if (f.records > 0) {
            const ShipSetRecord* first = FindRecord(records, 0x5f1c0e2a93d4b517ull);
            ASSERT_NE(first, nullptr) << f.what;
            EXPECT_EQ(first->milliseconds, f.firstMilliseconds) << f.what;
        }
        EXPECT_EQ(Written(records), f.writtenBack) << f.what;
    }
}

struct BadFile {
    const char* what;
    std::string text;
    std::string reason;
};

TEST(RecordsFile, HostileAndForeignFilesAreRefusedWithTheirReason) {
    const std::string set = std::string(SetA) + " ";
    const BadFile files[] = {
        {"empty", "", "not a starchase records file: it does not begin with \"starchase records\""},
        {"a settings file", "volume = 3\n", "not a starchase records file: it does not begin"},
        {"a newer game's", "starchase records 2\n" + set + "1 a.demo\n",
         "written by a newer game: records version 2, this game reads version 1"},
        {"a version of no number", "starchase records one\n", "its version one is no number"},
        {"a version of zero", "starchase records 0\n", "it has no version"},
        {"a version too large to count", "starchase records 99999999999999999999\n",
         "is no number"},
        {"a NUL byte", Version + std::string("# a\0b\n", 6), "holds a NUL byte"},
        {"too few words", Version + set + "1\n",
         "line 2: a record is 3 words (ship set, time and demo), not 2"},
        {"too many words", Version + set + "1 a.demo extra\n",
         "3 words (ship set, time and demo), not 4"},
        {"a short hash", Version + std::string("5f1c 1 a.demo\n"),
         "line 2: the ship set 5f1c is not 16 lowercase hexadecimal digits"},
        {"an uppercase hash", Version + std::string("5F1C0E2A93D4B517 1 a.demo\n"),
         "is not 16 lowercase"},
        {"a time with two points", Version + set + "6.7.4 a.demo\n",
         "line 2: the time 6.7.4 is not seconds with at most three decimals"},
        {"four decimals", Version + set + "1.2345 a.demo\n", "at most three decimals"},
        {"a point and no decimals", Version + set + "1. a.demo\n", "at most three decimals"},
        {"a negative time", Version + set + "-1 a.demo\n", "at most three decimals"},
        {"an exponent", Version + set + "1e3 a.demo\n", "at most three decimals"},
        {"a time of zero", Version + set + "0.000 a.demo\n", "is not between 0.001 and 1000000"},
        {"a time past the longest", Version + set + "1000000.001 a.demo\n", "is not between"},
        {"eight digits of seconds", Version + set + "99999999 a.demo\n",
         "line 2: the time 99999999 is not between 0.001 and 1000000 seconds"},
        {"a demo named with control bytes", Version + set + "1 a\x1b]0;x\x07.demo\n",
         "line 2: the demo is not printable ASCII"},
        {"a demo word ending in a carriage return before a blank", Version + set + "1 a\r \n",
         "line 2: the demo is not printable ASCII"},
        {"two records for one set", Version + set + "1 a.demo\n" + set + "2 b.demo\n",
         "line 3: a second record for ship set 5f1c0e2a93d4b517"},
        {"a second record for a set on the last line of a full file",
         FullFile(FullRecords - 1) + set + "2 b.demo\n",
         "line " + std::to_string(FullRecords + 1) + ": a second record for ship set " + SetA},
        {"a line too long", Version + std::string("#") + std::string(MaxRecordsLine, 'x') + "\n",
         "line 2 is longer than 1024 characters"},
        {"a file too large", Version + std::string(MaxRecordsFileBytes, '\n'),
         "larger than 1048576 bytes"},
    };
    for (const BadFile& f : files) {
        Records records;
        records.lines.resize(1);
        std::string reason;
        EXPECT_FALSE(ParseRecords(f.text, records, reason)) << f.what;
        EXPECT_NE(reason.find(f.reason), std::string::npos)
            << f.what << ": \"" << reason << "\" lacks \"" << f.reason << "\"";
        EXPECT_EQ(records.lines.size(), 1u) << f.what << ": the records changed";
    }
}

// A record names only a best demo the game makes for its own set; any other word in the demo column
// reads as a record with no demo, is named, and is written back as it was.
TEST(RecordsFile, ARecordNamesOnlyABestDemoOfItsOwnSet) {
    const std::string best = std::string("best-") + SetA;
    const struct {
        const char* what;
        std::string word;
        bool names;        // a best demo of the set
        bool shown = true; // in the note, when it names none
    } cases[] = {
        {"a chase's time", best + "-67400.demo", true},
        {"another time than the line's", best + "-1.demo", true},
        {"the longest chase", best + "-1000000000.demo", true},
        {"as older games named it", best + ".demo", true},
        {"the records file", "records", false},
        {"the lock", "records.lock", false},
        {"the last chase", "last.demo", false},
        {"a running chase", "running-12.demo", false},
        {"up the folders", "../x", false},
        {"a path", "/home/player/.local/share/starchase/" + best + "-1.demo", false, false},
        {"hidden", ".demo", false},
        {"another set's", "best-0000000000000001-67400.demo", false},
        {"no time", best + "-.demo", false},
        {"a time of zero", best + "-0.demo", false},
        {"a leading zero", best + "-067400.demo", false},
        {"past the longest chase", best + "-1000000001.demo", false},
        {"more digits than any time", best + "-99999999999999999999.demo", false, false},
        {"not a number", best + "-67x.demo", false},
        {"another ending", best + "-67400.demo.tmp", false},
        {"capitals", "BEST-5F1C0E2A93D4B517.demo", false},
    };
    for (const auto& c : cases) {
        const std::string text =
            Version + std::string("# mine\n") + SetA + " 67.400 " + c.word + "\n";
        Records records;
        std::string reason;
        ASSERT_TRUE(ParseRecords(text, records, reason)) << c.what << ": " << reason;
        ASSERT_EQ(records.lines.size(), 2u) << c.what;
        EXPECT_EQ(IsBestDemoName(0x5f1c0e2a93d4b517, c.word), c.names) << c.what;
        EXPECT_EQ(records.lines[1].record.demoFile, c.names ? c.word : "") << c.what;
        EXPECT_EQ(records.lines[1].record.milliseconds, 67400u) << c.what;
        EXPECT_EQ(DemoWord(records.lines[1]), c.word) << c.what;
        const std::vector<std::string> notes = RecordsWithNoDemo(records);
        EXPECT_EQ(notes.size(), c.names ? 0u : 1u) << c.what;
        if (!c.names && !notes.empty()) {
            EXPECT_EQ(notes[0], "line 3: the demo" + (c.shown ? " " + c.word : "") +
                                    " is not a best demo of ship set " + SetA + " (" + best +
                                    "-MILLISECONDS.demo); read as a record with no demo")
                << c.what;
        }
        EXPECT_EQ(Written(records), text) << c.what << ": written back as it was";
    }
}

TEST(RecordsFile, AChaseIsARecordOnlyWhenItBeatsTheSetsBest) {
    Records records;
    SetRecord(records, {1, 60000, BestDemoName(1, 60000)});
    SetRecord(records, {2, 50000, BestDemoName(2, 50000)});
    const struct {
        uint64_t set, milliseconds;
        bool beats;
    } cases[] = {
        {1, 59999, true},
        {1, 60000, false},
        {1, 60001, false},
        {3, 900000, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BeatsRecord(records, c.set, c.milliseconds), c.beats)
            << c.set << " in " << c.milliseconds;
    SetRecord(records, {1, 59000, BestDemoName(1, 59000)});
    EXPECT_EQ(Written(records), "starchase records 1\n"
                                "0000000000000001 59.000 best-0000000000000001-59000.demo\n"
                                "0000000000000002 50.000 best-0000000000000002-50000.demo\n");
}

// Records set in code that the reader would refuse: a chase of a hostile demo longer than the
// file allows, a comment too long, a set twice.
TEST(RecordsFile, RecordsThatWouldNotBeReadAgainAreNotWritten) {
    const std::string longComment = "#" + std::string(MaxRecordsLine, 'x');
    const std::string set = " for ship set 0000000000000001";
    const struct {
        const char* what;
        std::vector<RecordsLine> lines;
        std::string reason;
    } cases[] = {
        {"a time past the longest",
         {{true, {1, MaxChaseMilliseconds + 1, "a.demo"}, ""}},
         "line 2: the time 1000000.001 is not between 0.001 and 1000000 seconds"},
        {"no time at all", {{true, {1, 0, "a.demo"}, ""}}, "line 2: the time 0.000 is not between"},
        {"a demo name too long for a line",
         {{false, {}, "# mine"}, {true, {1, 1000, std::string(MaxRecordsLine, 'a')}, ""}},
         "line 3 is longer than 1024 characters"},
        {"a comment too long", {{false, {}, longComment}}, "line 2 is longer than 1024 characters"},
        {"two records for one set",
         {{true, {1, 1000, "a.demo"}, ""}, {true, {1, 2000, "b.demo"}, ""}},
         "line 3: a second record" + set},
    };
    for (const auto& c : cases) {
        Records records;
        records.lines = c.lines;
        std::string text = "as it was", reason;
        EXPECT_FALSE(RecordsText(records, text, reason)) << c.what;
        EXPECT_EQ(reason.substr(0, reason.find(':') + 2), "the records would not be read back: ")
            << c.what;
        EXPECT_NE(reason.find(c.reason), std::string::npos) << c.what << ": " << reason;
        EXPECT_EQ(text, "as it was") << c.what;
    }
}

} // namespace
