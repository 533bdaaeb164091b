// SPDX-License-Identifier: MIT
// The records file's lines: read with every rule checked, written back with comments kept.
#include "RecordsFile.h"

#include <unordered_set>

namespace {

const char VersionWord[] = "starchase records ";

bool IsPrintable(char c) {
    return c > ' ' && c < 0x7F;
}

// The token for a message, when its bytes can be shown as they are.
std::string Shown(const std::string& token) {
    for (char c : token)
        if (!IsPrintable(c))
            return "";
    return token.size() <= 40 ? " " + token : "";
}

// The line's words, split at runs of blanks and tabs.
std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    for (char c : line + ' ') {
        if (c == ' ' || c == '\t') {
            if (!word.empty())
                words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    return words;
}

// Empty when `line` is a record of a file of `version` (then in `record`), else what is wrong
// with it. The columns the version did not have read their `absent` word.
std::string ReadRecord(const std::string& line, unsigned version, ShipSetRecord& record) {
    std::vector<std::string> words = Words(line);
    const int count = RecordsColumnsOf(version);
    if (words.size() != size_t(count))
        return "a record is " + std::to_string(count) + " words (" + RecordsColumnNames(count) +
               "), not " + std::to_string(words.size());
    for (const RecordsColumnRow& row : RecordsColumns) {
        const std::string word = row.column < count ? words[row.column] : row.absent;
        std::string wrong;
        if (!row.read(word, record, wrong))
            return "the " + std::string(row.name) + Shown(word) + " " + wrong;
    }
    if (!IsBestDemoName(record.set, record.demoFile))
        record.demoFile.clear();
    return "";
}

// A record's line: its columns' words in file order, separated by blanks; a record with no demo
// keeps the word it was read with.
std::string RecordLine(const RecordsLine& recordLine) {
    ShipSetRecord record = recordLine.record;
    record.demoFile = DemoWord(recordLine);
    std::string line;
    for (const RecordsColumnRow& row : RecordsColumns)
        line += (row.column == 0 ? "" : " ") + row.write(record);
    return line;
}

// Empty for the version line of a file this game reads (its version then in `version`), else why
// the file is not read.
std::string ReadVersion(const std::string& line, unsigned& version) {
    const size_t prefix = sizeof VersionWord - 1;
    if (line.compare(0, prefix, VersionWord) != 0)
        return "not a starchase records file: it does not begin with \"starchase records\"";
    std::string number = line.substr(prefix);
    version = 0;
    for (char c : number) {
        if (c < '0' || c > '9' || version > 100000)
            return "not a starchase records file: its version" + Shown(number) + " is no number";
        version = version * 10 + unsigned(c - '0');
    }
    if (number.empty() || version == 0)
        return "not a starchase records file: it has no version";
    if (version > RecordsFileVersion)
        return "written by a newer game: records version " + std::to_string(version) +
               ", this game reads version " + std::to_string(RecordsFileVersion);
    return "";
}

// The text's lines without their line ends; false when a line is too long for the file.
bool SplitLines(const std::string& text, std::vector<std::string>& lines, std::string& reason) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        while (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() > MaxRecordsLine) {
            reason = "line " + std::to_string(lines.size() + 1) + " is longer than " +
                     std::to_string(MaxRecordsLine) + " characters";
            return false;
        }
        lines.push_back(line);
        start = end + 1;
    }
    return true;
}

bool ReadLines(const std::vector<std::string>& lines, unsigned version, Records& read,
               std::string& reason) {
    std::unordered_set<uint64_t> sets; // of the records read so far
    for (size_t i = 1; i < lines.size(); ++i) {
        RecordsLine line;
        line.text = lines[i];
        line.isRecord = Words(line.text).size() > 0 && line.text[0] != '#';
        std::string wrong = line.isRecord ? ReadRecord(line.text, version, line.record) : "";
        if (wrong.empty() && line.isRecord && !sets.insert(line.record.set).second)
            wrong = "a second record for ship set " + ShipSetName(line.record.set);
        if (!wrong.empty()) {
            reason = "line " + std::to_string(i + 1) + ": " + wrong;
            return false;
        }
        read.lines.push_back(line);
    }
    return true;
}

} // namespace

bool ParseRecords(const std::string& text, Records& records, std::string& reason) {
    if (text.size() > MaxRecordsFileBytes) {
        reason = "larger than " + std::to_string(MaxRecordsFileBytes) +
                 " bytes, more than any records file holds";
        return false;
    }
    if (text.find('\0') != std::string::npos) {
        reason = "holds a NUL byte: not a text file";
        return false;
    }
    std::vector<std::string> lines;
    if (!SplitLines(text, lines, reason))
        return false;
    unsigned version = 0;
    reason = ReadVersion(lines.empty() ? "" : lines[0], version);
    Records read;
    if (!reason.empty() || !ReadLines(lines, version, read, reason))
        return false;
    records = std::move(read);
    return true;
}

bool RecordsText(const Records& records, std::string& text, std::string& reason) {
    std::string written = VersionWord + std::to_string(RecordsFileVersion) + "\n";
    for (const RecordsLine& line : records.lines)
        written += (line.isRecord ? RecordLine(line) : line.text) + "\n";
    if (written.size() > MaxRecordsFileBytes) {
        reason = "the records would take " + std::to_string(written.size()) +
                 " bytes, more than the " + std::to_string(MaxRecordsFileBytes) +
                 " a records file may hold";
        return false;
    }
    Records again;
    if (!ParseRecords(written, again, reason)) {
        reason = "the records would not be read back: " + reason;
        return false;
    }
    text = std::move(written);
    return true;
}

const ShipSetRecord* FindRecord(const Records& records, uint64_t set) {
    for (const RecordsLine& line : records.lines)
        if (line.isRecord && line.record.set == set)
            return &line.record;
    return nullptr;
}

bool BeatsRecord(const Records& records, uint64_t set, uint64_t milliseconds) {
    const ShipSetRecord* best = FindRecord(records, set);
    return !best || milliseconds < best->milliseconds;
}

std::vector<std::string> RecordsWithNoDemo(const Records& records) {
    std::vector<std::string> notes;
    for (size_t i = 0; i < records.lines.size(); ++i) {
        const RecordsLine& line = records.lines[i];
        if (!line.isRecord || !line.record.demoFile.empty())
            continue;
        const std::string set = ShipSetName(line.record.set);
        notes.push_back("line " + std::to_string(i + 2) + ": the demo" + Shown(DemoWord(line)) +
                        " is not a best demo of ship set " + set + " (best-" + set +
                        "-MILLISECONDS.demo); read as a record with no demo");
    }
    return notes;
}

std::string DemoWord(const RecordsLine& line) {
    if (!line.isRecord || !line.record.demoFile.empty())
        return line.record.demoFile;
    const std::vector<std::string> words = Words(line.text);
    return words.size() > DemoColumn ? words[DemoColumn] : ""; // in every version's lines
}

void SetRecord(Records& records, const ShipSetRecord& record) {
    for (RecordsLine& line : records.lines) {
        if (line.isRecord && line.record.set == record.set) {
            line.record = record;
            return;
        }
    }
    RecordsLine line;
    line.isRecord = true;
    line.record = record;
    records.lines.push_back(line);
}

std::string BestDemoName(uint64_t set, uint64_t milliseconds) {
    return "best-" + ShipSetName(set) + "-" + std::to_string(milliseconds) + ".demo";
}

bool IsBestDemoName(uint64_t set, const std::string& name) {
    const std::string named = "best-" + ShipSetName(set);
    if (name == named + ".demo")
        return true;
    // The digits after "best-SET-", as many as the longest chase's time has.
    uint64_t milliseconds = 0;
    for (size_t i = named.size() + 1;
         i < name.size() && i <= named.size() + 10 && name[i] >= '0' && name[i] <= '9'; ++i)
        milliseconds = milliseconds * 10 + uint64_t(name[i] - '0');
    return milliseconds >= 1 && milliseconds <= MaxChaseMilliseconds &&
           name == BestDemoName(set, milliseconds);
}
