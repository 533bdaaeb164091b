// SPDX-License-Identifier: MIT
// Any bytes as the records file: a file that is read writes back to text that reads to the same
// records and writes back the same again, every record keeps the rules, and a refused file
// always says why.
#include "FuzzCheck.h"
#include "RecordsFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

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
        Require(IsDemoFileName(line.record.demoFile));
        Require(line.record.milliseconds > 0 && line.record.milliseconds <= MaxChaseMilliseconds);
    }
    const std::string text = RecordsText(records);
    Records again;
    Require(ParseRecords(text, again, reason));
    Require(RecordsText(again) == text && again.lines.size() == records.lines.size());
    return 0;
}
