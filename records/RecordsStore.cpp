// SPDX-License-Identifier: MIT
// Reading the records file safely and keeping a new record with its demo, whole-file.
#include "RecordsStore.h"

#include "FileBytes.h"
#include "FileLock.h"
#include "PlayerFolders.h"
#include "WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

// Waits this long at most for another program's keep to end.
constexpr int LockTries = 100;
constexpr useconds_t LockWaitMicroseconds = 50000;

// Takes the folder's lock: a descriptor of the lock file that holds it until closed, or -1 with
// the reason. The lock file is made when missing; a link, a pipe or a device there is refused.
int LockFolder(const std::string& folder, std::string& reason) {
    const std::string path = folder + "/" + RecordsLockName;
    const int fd = OpenLockFile(path, O_RDWR | O_CREAT, reason);
    if (fd < 0) {
        reason = path + ": " + reason;
        return -1;
    }
    bool held = false;
    for (int tries = 1; !LockNow(fd, held, reason); ++tries) {
        if (!held || tries == LockTries) {
            reason = path + ": " + (held ? "held by another program for 5 s" : reason);
            close(fd);
            return -1;
        }
        usleep(LockWaitMicroseconds);
    }
    return fd;
}

// Whether a record other than `set`'s names `demoFile`, as a best demo of its own or not.
bool NamedByAnother(const Records& records, uint64_t set, const std::string& demoFile) {
    for (const RecordsLine& line : records.lines)
        if (line.isRecord && line.record.set != set && DemoWord(line) == demoFile)
            return true;
    return false;
}

// With the folder locked: the records read again, the chase judged and, when it beats them, kept.
bool KeepLocked(const std::string& folder, const ShipSetRecord& record,
                const std::vector<unsigned char>& demo, Records& records, KeptChase& outcome,
                std::string& reason) {
    Records now;
    const std::string path = folder + "/" + RecordsFileName;
    if (!LoadRecords(path, now, reason)) {
        reason = path + ": " + reason + "; the file is left as it is";
        return false;
    }
    outcome.noDemo = RecordsWithNoDemo(now);
    const ShipSetRecord* best = FindRecord(now, record.set);
    outcome.hadRecord = best != nullptr;
    outcome.previous = best ? best->milliseconds : 0;
    const std::string beaten = best ? best->demoFile : ""; // a best demo of the set, or none
    records = now;
    if (!BeatsRecord(now, record.set, record.milliseconds))
        return true;
    if (now.lines.empty())
        now.lines.push_back({false, {}, RecordsHeading()});
    SetRecord(now, record);
    std::string text;
    const std::string demoPath = folder + "/" + record.demoFile;
    if (!RecordsText(now, text, reason) || !WriteOwnWholeFile(demoPath, demo, reason)) {
        reason = (text.empty() ? path : demoPath) + ": " + reason;
        return false;
    }
    if (!WriteWholeFile(path, std::vector<unsigned char>(text.begin(), text.end()), reason)) {
        reason = path + ": " + reason;
        unlink(demoPath.c_str()); // named by no record
        return false;
    }
    if (!beaten.empty() && beaten != record.demoFile && !NamedByAnother(now, record.set, beaten))
        unlink((folder + "/" + beaten).c_str());
    records = std::move(now);
    outcome.kept = true;
    return true;
}

} // namespace

bool KeepBestChase(const std::string& folder, uint64_t set, uint64_t milliseconds,
                   const std::vector<unsigned char>& demo, Records& records, KeptChase& outcome,
                   std::string& reason) {
    outcome = KeptChase();
    if (!MakeFolders(folder, reason))
        return false;
    const int lock = LockFolder(folder, reason);
    if (lock < 0)
        return false;
    const ShipSetRecord record{set, milliseconds, BestDemoName(set, milliseconds)};
    const bool done = KeepLocked(folder, record, demo, records, outcome, reason);
    close(lock);
    return done;
}
