// SPDX-License-Identifier: MIT
// The settings file opened through the data-file reader and written through the whole-file
// writer.
#include "SettingsFile.h"

#include "FileBytes.h"
#include "PlayerFolders.h"
#include "WholeFile.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

std::string Refusal(const std::string& path, const std::string& reason) {
    return "starchase: " + path + ": " + reason + "; settings not read, and never written";
}

// The file's bytes, when it is a regular file of at most MaxSettingsBytes; else the reason.
bool ReadSmallFile(const std::string& path, std::string& text, std::string& reason) {
    DataFile file;
    if (!OpenDataFile(path, file, reason))
        return false;
    if (file.size > MaxSettingsBytes) {
        reason = "larger than " + std::to_string(MaxSettingsBytes / 1024) + " KiB";
        return false;
    }
    std::vector<unsigned char> bytes;
    if (!ReadDataFile(file, bytes, MaxSettingsBytes, reason))
        return false;
    text.assign(bytes.begin(), bytes.end());
    return true;
}

} // namespace

std::string SettingsFilePath() {
    std::string folder = PlayerConfigFolder();
    return folder.empty() ? folder : folder + "/settings";
}

SettingsFile ReadSettingsFile(const std::string& path, const KeyNames& names,
                              std::string& problem) {
    SettingsFile file;
    file.path = path;
    file.reading = ReadSettingsText("", path, names);
    struct stat status;
    if (lstat(path.c_str(), &status) != 0) {
        file.writable = errno == ENOENT;
        if (!file.writable)
            problem = Refusal(path, std::strerror(errno));
        return file;
    }
    file.found = true;
    std::string text, reason;
    file.writable = ReadSmallFile(path, text, reason);
    if (!file.writable) {
        problem = Refusal(path, reason);
        return file;
    }
    file.reading = ReadSettingsText(text, path, names);
    return file;
}

bool SaveSettingsFile(const SettingsFile& started, const Settings& now, const KeyNames& names,
                      std::vector<std::string>& notKept, std::string& problem) {
    const Settings& before = started.reading.settings;
    if (!SettingsDiffer(before, now, names))
        return true;
    std::string reason;
    SettingsFile file = started.writable ? ReadSettingsFile(started.path, names, reason) : started;
    const SettingsReading& was = file.reading;
    const SettingsMerge merge = MergeSettings(was, before, now, names);
    for (const std::string& change : merge.notKept)
        notKept.push_back("starchase: " + file.path + ": " + change);
    if (!started.writable)
        reason = "not written, as it was not read";
    else if (!file.writable)
        reason = "not written, as it can no longer be read";
    else if (merge.text == WriteSettingsText(was.text, was.settings, was.settings, names))
        return true;
    else if (merge.text.size() > MaxSettingsBytes)
        reason = "not written: it would be larger than " + std::to_string(MaxSettingsBytes / 1024) +
                 " KiB";
    else {
        const size_t slash = file.path.rfind('/');
        std::string folder = slash == std::string::npos ? "." : file.path.substr(0, slash);
        if (MakeFolders(folder, reason) &&
            WriteWholeFile(file.path,
                           std::vector<unsigned char>(merge.text.begin(), merge.text.end()), reason))
            return true;
    }
    problem = "starchase: " + file.path + ": " + reason + "; the changed settings are not kept";
    return false;
}
