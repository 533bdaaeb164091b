// SPDX-License-Identifier: MIT
// Reading the records file safely and keeping a new record with its demo, whole-file.
#include "RecordsStore.h"

#include "FileBytes.h"
#include "PlayerFolders.h"
#include "WholeFile.h"

#include <sys/stat.h>

#include <cerrno>

bool LoadRecords(const std::string& path, Records& records, std::string& reason) {
    struct stat info;
    if (lstat(path.c_str(), &info) != 0 && (errno == ENOENT || errno == ENOTDIR)) {
        records = Records();
        return true;
    }
    DataFile file;
    if (!OpenDataFile(path, file, reason))
        return false;
    if (file.size > MaxRecordsFileBytes) {
        reason = "larger than " + std::to_string(MaxRecordsFileBytes) +
                 " bytes, more than any records file holds";
        return false;
    }
    std::vector<unsigned char> bytes;
    if (!ReadDataFile(file, bytes, size_t(file.size), reason))
        return false;
    return ParseRecords(std::string(bytes.begin(), bytes.end()), records, reason);
}

bool KeepRecord(const std::string& folder, Records& records, const ShipSetRecord& record,
                const std::vector<unsigned char>& demo, std::string& reason) {
    Records kept = records;
    if (kept.lines.empty()) {
        RecordsLine heading;
        heading.text = RecordsHeading();
        kept.lines.push_back(heading);
    }
    SetRecord(kept, record);
    std::string text;
    if (!RecordsText(kept, text, reason) || !MakeFolders(folder, reason) ||
        !WriteWholeFile(folder + "/" + record.demoFile, demo, reason) ||
        !WriteWholeFile(folder + "/" + RecordsFileName,
                        std::vector<unsigned char>(text.begin(), text.end()), reason))
        return false;
    records = std::move(kept);
    return true;
}
