// SPDX-License-Identifier: MIT
// Any bytes as the records file: a file that is read writes back to text that reads to the same
// records and writes back the same again, or its writing is refused only for the length its times
// gain; every record keeps the rules, and a refused file always says why.
#include "FuzzCheck.h"
#include "RecordsFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// The same lines: comments and empty lines as they were, records with every column's word alike
// and the same demo word, a best demo or not.
bool SameRecords(const Records& a, const Records& b) {
    if (a.lines.size() != b.lines.size())
        return false;
    for (size_t i = 0; i < a.lines.size(); ++i) {
        const RecordsLine &x = a.lines[i], &y = b.lines[i];
        if (x.isRecord != y.isRecord || (!x.isRecord && x.text != y.text) ||
            DemoWord(x) != DemoWord(y))
            return false;
        for (const RecordsColumnRow& row : RecordsColumns)
            if (x.isRecord && row.write(x.record) != row.write(y.record))
                return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Records records;
    std::string reason;
    if (!ParseRecords(std::string(reinterpret_cast<const char*>(data), size), records, reason)) {
        Require(!reason.empty() && records.lines.empty());
        return 0;
    }
    for (const RecordsLine& line : records.lines) {
        if (!line.isRecord)
            continue;
        Require(line.record.demoFile.empty() ||
                IsBestDemoName(line.record.set, line.record.demoFile));
        Require(line.record.milliseconds > 0 && line.record.milliseconds <= MaxChaseMilliseconds);
    }
    std::string text;
    if (!RecordsText(records, text, reason)) {
        // Written, a text grows only by a time's missing decimals, at most 4 bytes on a record's
        // line of at least 20 and its line end ("0000000000000001 1 x"), and by the last line end.
        const std::string tooLong = "the records would take ";
        Require(text.empty() && (size + 1) * 25 > MaxRecordsFileBytes * 21);
        Require(reason.compare(0, tooLong.size(), tooLong) == 0);
        return 0;
    }
    Records again;
    Require(ParseRecords(text, again, reason) && SameRecords(again, records));
    std::string twice;
    Require(RecordsText(again, twice, reason) && twice == text);
    return 0;
}
