// SPDX-License-Identifier: MIT
// The records view's rows from the records file and the places ships are found.
#include "RecordsShown.h"

#include "Formatted.h"

#include <ctime>

namespace {

// The words of `place` without "the ships in " before a folder.
std::string NameOf(const ShipSetPlace& place) {
    const std::string in = "the ships in ";
    return place.words.rfind(in, 0) == 0 ? place.words.substr(in.size()) : place.words;
}

RecordShown Shown(const ShipSetRecord& record, const std::vector<ShipSetPlace>& places) {
    RecordShown shown;
    shown.known = true;
    shown.set = record.set;
    shown.time = ExactSecondsText(record.milliseconds);
    shown.demoFile = record.demoFile;
    shown.ships = "ship set " + ShipSetName(record.set) + ", its ships not here";
    shown.name = "set " + ShipSetName(record.set);
    for (const ShipSetPlace& place : places)
        if (place.found && place.set == record.set) {
            shown.ships = place.words;
            shown.name = NameOf(place);
            break;
        }
    return shown;
}

} // namespace

std::vector<RecordShown> ShowRecords(const Records& records, const std::vector<ShipSetPlace>& places,
                                     const std::string& none) {
    std::vector<RecordShown> shown(1);
    const bool hashed = !places.empty() && places.front().found;
    const ShipSetRecord* own = hashed ? FindRecord(records, places.front().set) : nullptr;
    if (own)
        shown.front() = Shown(*own, places);
    shown.front().played = true;
    shown.front().ships = places.empty() ? "" : places.front().words;
    shown.front().name = places.empty() ? "" : NameOf(places.front());
    shown.front().why = own ? "" : none;
    for (const RecordsLine& line : records.lines)
        if (line.isRecord && !(own && line.record.set == own->set))
            shown.push_back(Shown(line.record, places));
    return shown;
}

RecordShown* FindShown(std::vector<RecordShown>& shown, uint64_t set) {
    for (RecordShown& row : shown)
        if (row.known && row.set == set)
            return &row;
    return nullptr;
}

std::string DateText(int64_t seconds) {
    const std::time_t time = std::time_t(seconds);
    std::tm local{};
    char text[32];
    if (!localtime_r(&time, &local) || std::strftime(text, sizeof text, "%Y-%m-%d", &local) == 0)
        return "";
    return text;
}
