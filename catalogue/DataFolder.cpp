// SPDX-License-Identifier: MIT
// Choosing the data folder: --data, the working folder's own catalogue, or the installed data.
#include "DataFolder.h"

#include "FileBytes.h"
#include "LoadShipCatalogue.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

// Where the data lies relative to the executable's folder once installed ("../share/starchase"
// for the usual bin and share folders); the build passes the one its install rules use.
#ifndef STARCHASE_DATA_FROM_BINARY
#define STARCHASE_DATA_FROM_BINARY "../share/starchase"
#endif

// Where this build wrote the default ships; empty for a build that writes none.
#ifndef STARCHASE_BUILT_DATA
#define STARCHASE_BUILT_DATA ""
#endif

namespace {

bool HoldsCatalogue(const std::filesystem::path& folder) {
    std::error_code error;
    return std::filesystem::is_regular_file(folder / CatalogueFileName, error);
}

// Something is there under the catalogue's name, whatever it is, even a broken link.
bool NamesCatalogue(const std::filesystem::path& folder) {
    std::error_code error;
    return std::filesystem::exists(
        std::filesystem::symlink_status(folder / CatalogueFileName, error));
}

} // namespace

std::string InstalledDataFolder() {
    std::error_code error;
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return "";
    return (executable.parent_path() / STARCHASE_DATA_FROM_BINARY).lexically_normal().string();
}

std::string ChooseDataFolder(const std::string& requested, const std::string& installed) {
    if (!requested.empty())
        return requested;
    if (NamesCatalogue("."))
        return "";
    if (!installed.empty() && HoldsCatalogue(installed))
        return installed;
    return "";
}

bool EnterDataFolder(const std::string& folder, std::string& problem) {
    if (folder.empty())
        return true;
    struct stat info;
    const char* reason = nullptr;
    if (stat(folder.c_str(), &info) != 0)
        reason = errno == ENOENT ? "no such folder" : std::strerror(errno);
    else if (!S_ISDIR(info.st_mode))
        reason = "not a folder";
    else if (DIR* listing = opendir(folder.c_str()))
        closedir(listing);
    else
        reason = std::strerror(errno);
    if (!reason && chdir(folder.c_str()) != 0)
        reason = std::strerror(errno);
    if (reason)
        problem = "starchase: data folder '" + folder + "': " + reason;
    return !reason;
}

bool WorkingCatalogueUsable(std::string& problem) {
    DataFile file;
    std::string reason;
    if (!NamesCatalogue(".") || OpenDataFile(CatalogueFileName, file, reason))
        return true;
    problem = "ERROR: " + std::string(CatalogueFileName) + " cannot be used: " + reason;
    return false;
}

std::string NoShipsHint() {
    if (NamesCatalogue("."))
        return "";
    const std::string built = STARCHASE_BUILT_DATA;
    const std::string start = "starchase: no ships to play in this folder; --data DIR plays those of DIR";
    if (!built.empty() && HoldsCatalogue(built))
        return start + ", and this build wrote its own to " + built;
    return start + " (shipyard generate DIR writes the default ships there)";
}
