// SPDX-License-Identifier: MIT
// Each column of a record's line: its rules, its words, and the texts made from the rows.
#include "RecordsColumns.h"

#include "Formatted.h"
#include "Printable.h"

#include <cinttypes>

namespace {

// The hexadecimal digit `c` stands for, or -1 when it is none (capitals are none).
int HexDigit(char c) {
    return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// 16 lowercase hexadecimal digits.
bool ReadSet(const std::string& word, ShipSetRecord& record, std::string& wrong) {
    uint64_t set = 0;
    size_t digits = 0;
    while (digits < word.size() && HexDigit(word[digits]) >= 0)
        set = set << 4 | uint64_t(HexDigit(word[digits++]));
    if (word.size() != 16 || digits != word.size()) {
        wrong = "is not 16 lowercase hexadecimal digits";
        return false;
    }
    record.set = set;
    return true;
}

std::string WriteSet(const ShipSetRecord& record) {
    return ShipSetName(record.set);
}

// Seconds as digits, with at most three decimals after a point, read exactly as milliseconds; more
// whole seconds than any chase lasts read as UINT64_MAX.
bool ReadSeconds(const std::string& word, uint64_t& milliseconds) {
    size_t point = word.find('.');
    std::string whole = word.substr(0, point);
    std::string decimals = point == std::string::npos ? "" : word.substr(point + 1);
    if (whole.empty() || decimals.size() > 3 || (point != std::string::npos && decimals.empty()) ||
        (whole + decimals).find_first_not_of("0123456789") != std::string::npos)
        return false;
    if (whole.size() > 7) {
        milliseconds = UINT64_MAX;
        return true;
    }
    uint64_t value = 0;
    for (char c : whole + decimals + std::string(3 - decimals.size(), '0'))
        value = value * 10 + uint64_t(c - '0');
    milliseconds = value;
    return true;
}

// The chase's game time: seconds with at most three decimals, from 0.001 to a million.
bool ReadTime(const std::string& word, ShipSetRecord& record, std::string& wrong) {
    uint64_t milliseconds = 0;
    if (!ReadSeconds(word, milliseconds)) {
        wrong = "is not seconds with at most three decimals";
        return false;
    }
    if (milliseconds == 0 || milliseconds > MaxChaseMilliseconds) {
        wrong =
            "is not between 0.001 and " + std::to_string(MaxChaseMilliseconds / 1000) + " seconds";
        return false;
    }
    record.milliseconds = milliseconds;
    return true;
}

std::string WriteTime(const ShipSetRecord& record) {
    return ExactSecondsText(record.milliseconds);
}

// Printable ASCII. Whether the word names a best demo of the line's set is the line's rule
// (RecordsFile.h), as that takes the set too.
bool ReadDemo(const std::string& word, ShipSetRecord& record, std::string& wrong) {
    for (char c : word) {
        if (c <= ' ' || c >= 0x7F) {
            wrong = "is not printable ASCII";
            return false;
        }
    }
    record.demoFile = word;
    return true;
}

std::string WriteDemo(const ShipSetRecord& record) {
    return record.demoFile;
}

} // namespace

constexpr RecordsColumnRow RecordsColumns[RecordsColumnCount] = {
    {SetColumn, "ship set", "ship set", "the set's hash", nullptr, 1, nullptr, ReadSet, WriteSet},
    {TimeColumn, "time", "best chase in seconds", "the chase's game time in seconds", "s", 1,
     nullptr, ReadTime, WriteTime},
    {DemoColumn, "demo", "its demo", "the file name of its demo", nullptr, 1, nullptr, ReadDemo,
     WriteDemo},
};

namespace {

constexpr bool OneRowPerColumn() {
    unsigned since = 1;
    for (int i = 0; i < RecordsColumnCount; ++i) {
        const RecordsColumnRow& row = RecordsColumns[i];
        if (row.column != i || !row.name || !row.heading || !row.help || !row.read || !row.write)
            return false;
        // A newer column comes after the older ones, and an older file's line has a word for it.
        if (row.since < since || (row.since == 1) == (row.absent != nullptr))
            return false;
        since = row.since;
    }
    return RecordsColumns[0].since == 1;
}
constexpr unsigned NewestColumn() {
    return RecordsColumns[RecordsColumnCount - 1].since;
}

static_assert(OneRowPerColumn(), "one row per column, in file order, each with its words, "
                                 "its reading and its writing; newer columns last, each with the "
                                 "word an older file stands for");

// The first `count` rows' `words` in file order, after the first joined by `comma`, the last by
// `last`.
std::string Listed(const char* RecordsColumnRow::*words, const char* comma, const char* last,
                   int count = RecordsColumnCount) {
    std::string text = RecordsColumns[0].*words;
    for (int i = 1; i < count; ++i)
        text += (i + 1 == count ? last : comma) + std::string(RecordsColumns[i].*words);
    return text;
}

} // namespace

constexpr unsigned RecordsFileVersion = NewestColumn();

std::string RecordsHeading() {
    return "# " + Listed(&RecordsColumnRow::heading, ", ", ", ");
}

std::string RecordsColumnsHelp() {
    return Listed(&RecordsColumnRow::help, ", ", " and ");
}

std::string RecordsColumnsManual() {
    return RoffText(Listed(&RecordsColumnRow::help, ",\n", "\nand "));
}

std::string RecordsColumnNames(int count) {
    return Listed(&RecordsColumnRow::name, ", ", " and ", count);
}

int RecordsColumnsOf(unsigned version) {
    int count = 0;
    while (count < RecordsColumnCount && RecordsColumns[count].since <= version)
        ++count;
    return version <= RecordsFileVersion ? count : 0;
}

std::string RecordListing(const ShipSetRecord& record) {
    std::string listing;
    for (const RecordsColumnRow& row : RecordsColumns)
        listing += (row.column == 0 ? "" : " ") + row.write(record) +
                   (row.unit ? " " + std::string(row.unit) : "");
    return listing;
}

std::string ShipSetName(uint64_t set) {
    return Formatted("%016" PRIx64, set);
}
