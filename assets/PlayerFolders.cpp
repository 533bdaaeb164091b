// SPDX-License-Identifier: MIT
// The player's folders from the environment, and making them.
#include "PlayerFolders.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

// XDG: a relative path in the variable is ignored, as if it were not set.
std::string XdgFolder(const char* xdgHome, const char* home, const char* fromHome) {
    if (xdgHome && xdgHome[0] == '/')
        return std::string(xdgHome) + "/starchase";
    if (home && home[0] == '/')
        return std::string(home) + fromHome + "/starchase";
    return "";
}

} // namespace

std::string PlayerConfigFolder(const char* xdgConfigHome, const char* home) {
    return XdgFolder(xdgConfigHome, home, "/.config");
}

std::string PlayerConfigFolder() {
    return PlayerConfigFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

std::string PlayerDataFolder(const char* xdgDataHome, const char* home) {
    return XdgFolder(xdgDataHome, home, "/.local/share");
}

std::string PlayerDataFolder() {
    return PlayerDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

bool MakeFolders(const std::string& folder, std::string& reason) {
    for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        std::string part = folder.substr(0, slash);
        if (mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) {
            reason = part + ": " + std::strerror(errno);
            return false;
        }
        if (slash == std::string::npos)
            break;
    }
    struct stat status;
    if (stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
        reason = folder + ": not a folder";
        return false;
    }
    return true;
}
