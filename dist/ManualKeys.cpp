// SPDX-License-Identifier: MIT
// Build step: prints a part of a manual page made from the game's tables, for CMake to put into
// the page: the options' synopsis (`synopsis`) and paragraphs (`options`), the key list (`keys`)
// or the pad's buttons (`pad`) from the actions table, the settings (`settings`), every name the
// settings file takes for a key, asked of SDL (`keynames`), the sound files with what each is
// heard for (`sounds`) or their names alone (`soundfiles`), the records file's columns
// (`records`), the catalogue's example record from its fields (`catalogue`). A part that comes
// out empty fails.
#include "Actions.h"
#include "Bindings.h"
#include "CatalogueFile.h"
#include "CommandLine.h"
#include "Printable.h"
#include "RecordsColumns.h"
#include "SdlKeyNames.h"
#include "SettingsText.h"
#include "SoundFile.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct ManualPart {
    const char* name;
    std::string (*text)();
};

constexpr ManualPart ManualParts[] = {
    {"synopsis", CommandLineSynopsisManual},
    {"options", CommandLineOptionsManual},
    {"keys", KeysManual},
    {"pad", [] { return PadButtonsText(DefaultBindings()); }},
    {"settings", SettingsManual},
    {"keynames", [] { return KeyNamesManual(SdlKeyNames()); }},
    {"sounds", SoundFilesManual},
    {"soundfiles", SoundFileNamesManual},
    {"records", RecordsColumnsManual},
    {"catalogue", [] { return RoffText(CatalogueExample()); }},
};

} // namespace

int main(int argc, char** argv) {
    for (const ManualPart& part : ManualParts)
        if (argc == 2 && std::strcmp(argv[1], part.name) == 0) {
            const std::string text = part.text(); // empty: SDL named no key, say
            std::fputs(text.c_str(), stdout);
            return std::fflush(stdout) == 0 && !text.empty() ? 0 : 1;
        }
    return 2;
}
