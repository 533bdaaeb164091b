// SPDX-License-Identifier: MIT
// The records file's columns: each reads back what it writes, and what the player reads about the
// file (README with its example, both manual pages as the build wrote them) follows the table.
#include "RecordsFile.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

// Every column's word for `record`, separated by blanks.
std::string Words(const ShipSetRecord& record) {
    std::string words;
    for (const RecordsColumnRow& row : RecordsColumns)
        words += row.write(record) + " ";
    return words;
}

// `text` with every run of blanks and line ends made one blank, as Markdown reads it.
std::string OneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        const bool blank = c == ' ' || c == '\n';
        if (!blank || (!line.empty() && line.back() != ' '))
            line += blank ? ' ' : c;
    }
    return line;
}

// The lines of the indented block of `markdown` that begins with the line `first`, each without
// its indent and ended by a line end.
std::string IndentedBlock(const std::string& markdown, const std::string& first) {
    std::string block;
    size_t at = markdown.find("\n    " + first + "\n");
    while (at != std::string::npos && markdown.compare(at, 5, "\n    ") == 0) {
        const size_t end = markdown.find('\n', at + 1);
        if (end == std::string::npos)
            break;
        block += markdown.substr(at + 5, end - at - 5) + "\n";
        at = end;
    }
    return block;
}

TEST(RecordsColumns, EachColumnReadsBackWhatItWritesAtItsLimits) {
    const ShipSetRecord records[] = {
        {0, 1, "a"},
        {~uint64_t(0), MaxChaseMilliseconds, std::string(1000, '~')},
        {0x5f1c0e2a93d4b517, 67400, "best-5f1c0e2a93d4b517.demo"},
    };
    for (const ShipSetRecord& record : records) {
        ShipSetRecord back;
        for (const RecordsColumnRow& row : RecordsColumns) {
            std::string wrong;
            EXPECT_TRUE(row.read(row.write(record), back, wrong)) << row.name << ": " << wrong;
        }
        EXPECT_EQ(Words(back), Words(record));
    }
}

// A file of every version this game knows reads: a line holds the columns its version had, and a
// newer column's word for an older line is one the column reads. A newer game's file has no
// columns this game knows.
TEST(RecordsColumns, EachVersionHoldsTheColumnsItBroughtAndOlderLinesReadTheRest) {
    EXPECT_EQ(RecordsColumnsOf(0), 0);
    EXPECT_EQ(RecordsColumnsOf(1), 3) << "the first version's ship set, time and demo";
    EXPECT_EQ(RecordsColumnsOf(RecordsFileVersion), RecordsColumnCount);
    EXPECT_EQ(RecordsColumnsOf(RecordsFileVersion + 1), 0);
    for (const RecordsColumnRow& row : RecordsColumns) {
        if (row.since == 1)
            continue;
        EXPECT_EQ(RecordsColumnsOf(row.since - 1), row.column) << row.name;
        ShipSetRecord record;
        std::string wrong;
        EXPECT_TRUE(row.read(row.absent, record, wrong)) << row.name << ": " << wrong;
    }
}

// README is written by hand: its description names the columns as the table does, and its example
// is a file this game reads and writes back as it is, headed as a new file is.
TEST(RecordsColumns, ReadmeAndTheManualPagesFollowTheTable) {
    const std::string readme = ReadWholeFile("../README.md");
    ASSERT_FALSE(readme.empty()) << "README not found";
    EXPECT_NE(OneLine(readme).find(" a line per set. A line holds " + RecordsColumnsHelp() +
                                   ", separated by blanks:"),
              std::string::npos);
    const std::string example =
        IndentedBlock(readme, "starchase records " + std::to_string(RecordsFileVersion));
    Records records;
    std::string reason;
    ASSERT_TRUE(ParseRecords(example, records, reason)) << reason << "\n" << example;
    std::string written;
    EXPECT_TRUE(RecordsText(records, written, reason)) << reason;
    EXPECT_EQ(written, example);
    ASSERT_EQ(records.lines.size(), 2u) << example;
    EXPECT_EQ(records.lines[0].text, RecordsHeading());
    EXPECT_TRUE(records.lines[1].isRecord);

    for (const char* page : {STARCHASE_MANUAL_PAGE, STARCHASE_TOOL_PAGE}) {
        SCOPED_TRACE(page);
        const std::string text = ReadWholeFile(page);
        ASSERT_FALSE(text.empty()) << "page not built";
        EXPECT_NE(text.find(":\n" + RecordsColumnsManual() + ";\n"), std::string::npos);
        EXPECT_EQ(text.find("@STARCHASE"), std::string::npos);
    }
}

} // namespace
