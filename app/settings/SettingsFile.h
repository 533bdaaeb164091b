// SPDX-License-Identifier: MIT
// The settings file on disk: read without ever waiting, refused when it is no small regular
// file, and written back whole and atomically, never over a file that was refused.
#pragma once

#include "SettingsText.h"

#include <string>
#include <vector>

// "settings" in PlayerConfigFolder(); empty when there is no such folder.
std::string SettingsFilePath();

struct SettingsFile {
    std::string path;
    bool found = false;    // something is there under the name
    bool writable = false; // changes may be written back: no file yet, or a file read whole
    SettingsReading reading;
};

// Reads the settings at `path`. No file there means the defaults, and a file may be made at the
// end. A folder, a pipe, a device, a file over MaxSettingsBytes or one that cannot be read gives
// the defaults and `problem` naming it ("starchase: PATH: REASON; ..."); it is never written. A
// symbolic link is followed. The text's own problems are in `file.reading.problems`.
SettingsFile ReadSettingsFile(const std::string& path, const KeyNames& names, std::string& problem);

// When `now` differs from the settings `started` read: reads the file again as it is now (another
// game or an editor may have changed it) and writes it back with only those changes (making its
// folder when needed), whole and atomically, each judged against the file as it is now
// (MergeSettings): a change it cannot keep is named in `notKept` ("starchase: PATH: key.fire =
// return not kept: ..."). False with `problem` when it cannot, or may not be, written; true when
// written or when nothing changed.
bool SaveSettingsFile(const SettingsFile& started, const Settings& now, const KeyNames& names,
                      std::vector<std::string>& notKept, std::string& problem);
