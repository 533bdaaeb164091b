// SPDX-License-Identifier: MIT
// Build step: prints the manual's key list (`keys`), the pad's buttons (`pad`) or the settings
// (`settings`), made from the actions and settings tables, for CMake to put into the manual page.
#include "Actions.h"
#include "SettingsText.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "keys") == 0)
        std::fputs(KeysManual().c_str(), stdout);
    else if (argc == 2 && std::strcmp(argv[1], "pad") == 0)
        std::fputs(PadButtonsText().c_str(), stdout);
    else if (argc == 2 && std::strcmp(argv[1], "settings") == 0)
        std::fputs(SettingsManual().c_str(), stdout);
    else
        return 2;
    return std::fflush(stdout) == 0 ? 0 : 1;
}
