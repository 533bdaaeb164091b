// SPDX-License-Identifier: MIT
// The options' presses turned into the game's changes, and the options drawn.
#include "OptionsPlay.h"

#include "DataFolder.h"
#include "Gamepad.h"
#include "OptionsMenu.h"
#include "OptionsPanel.h"
#include "PlayerFolders.h"
#include "PlayerSettings.h"
#include "Records.h"
#include "RecordsStore.h"
#include "SettingEffects.h"
#include "Video.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

namespace {

struct OptionsPlay {
    OptionsMenu menu;
    std::vector<RecordShown> records; // read as the options open
    uint8_t lean = 0;   // where the pad leaned at the last frame
};

OptionsPlay options;

// Every record kept, the ships being played first, each dated by its demo's modification time;
// the ships found where the game plays and among the installed ones.
std::vector<RecordShown> RecordsNow() {
    const std::string folder = PlayerDataFolder();
    Records records;
    std::string why = folder.empty() ? "no folder for records: neither XDG_DATA_HOME nor HOME is set"
                                     : NoBestChase;
    if (!folder.empty() && !LoadRecords(folder + "/" + RecordsFileName, records, why))
        records = Records();
    std::error_code error;
    const std::string played = std::filesystem::current_path(error).string();
    std::vector<RecordShown> shown =
        ShowRecords(records, FindShipSets(played, InstalledDataFolder()), why);
    for (RecordShown& row : shown) {
        struct stat info;
        if (!row.demoFile.empty() && stat((folder + "/" + row.demoFile).c_str(), &info) == 0)
            row.date = DateText(int64_t(info.st_mtime));
    }
    return shown;
}

// What a press came to: the chosen record proved, or the settings changed to `after`. Where a
// setting did not take (the ghost with no best chase kept), its row shows it as it is.
LoopState Act(const OptionsOutcome& outcome, const Settings& after) {
    std::string why;
    const OptionsRow row = OptionsRowAt(options.menu.row);
    RecordShown* record =
        outcome.prove && row.record < options.records.size() ? &options.records[row.record] : nullptr;
    if (record && StartRecordProof(record->set, why)) {
        options.menu.line = "proving: replaying its demo";
        record->check = RecordCheck::Proving;
    } else if (outcome.prove) {
        options.menu.line = why; // not begun: no verdict yet
    }
    std::string note;
    return outcome.changed ? ChangeSettings(after, note) : KeepRunning;
}

LoopState Press(OptionsInput input) {
    const Settings& before = SettingsInForce();
    Settings after = before;
    return Act(PressInOptions(options.menu, after, input, options.records), after);
}

LoopState TakeKey(SDLKey key) {
    const Settings& before = SettingsInForce();
    Settings after = before;
    OptionsInput input;
    if (options.menu.binding && key != SDLK_ESCAPE) // Escape cancels the wait
        return Act(BindKeyInOptions(options.menu, after, key, SettingsKeyNames()), after);
    return OptionsInputOfKey(key, before.bindings, input) ? Press(input) : KeepRunning;
}

LoopState TakeButton(int button) {
    const Settings& before = SettingsInForce();
    Settings after = before;
    OptionsInput input;
    if (options.menu.binding)
        return Act(BindPadButtonInOptions(options.menu, after, button), after);
    return OptionsInputOfPadButton(button, before.bindings, input) ? Press(input) : KeepRunning;
}

void Open() {
    OpenOptions(options.menu);
    options.menu.display = DisplaySize();
    options.records = RecordsNow();
    options.menu.row = std::min(options.menu.row, OptionsRowCount(options.records.size()) - 1);
}

} // namespace

bool TakeOptionsEvent(const SDL_Event& event, LoopState& state) {
    const bool key = event.type == SDL_KEYDOWN, button = event.type == SDL_JOYBUTTONDOWN;
    if (!options.menu.open) {
        const Bindings& bindings = SettingsInForce().bindings;
        Action action = Action::Count;
        const bool opens =
            (key && PressedAction(bindings, event.key.keysym.sym, true, action)) ||
            (button && PressedPadAction(bindings, event.jbutton.button, true, action));
        if (opens && action == Action::Options)
            Open();
        return opens && action == Action::Options;
    }
    if (key)
        state = TakeKey(event.key.keysym.sym);
    else if (button)
        state = TakeButton(event.jbutton.button);
    return key || button;
}

void TakeOptionsPad(LoopState& state) {
    const uint8_t lean = ReadPadLean();
    const uint8_t newly = lean & ~options.lean;
    options.lean = lean;
    OptionsInput input;
    if (options.menu.open && OptionsInputOfPadLean(newly, input) && state == KeepRunning)
        state = Press(input);
}

void TakeOptionsProof() {
    std::string why;
    uint64_t set = 0;
    if (!TakeRecordProof(set, why))
        return;
    ShowProof(options.menu, why);
    if (RecordShown* record = FindShown(options.records, set)) {
        record->check = why.empty() ? RecordCheck::Verified : RecordCheck::NotVerified;
        record->why = why;
    }
}

HeldKeys PauseForOptions(HeldKeys keys) {
    return options.menu.open ? HeldKeys{ActionPause} : keys;
}

void DrawOptions() {
    if (options.menu.open)
        DrawOptionsPanel(
            OptionsLines(options.menu, SettingsInForce(), options.records, OptionsPanelLines()));
}

void StopOptions() {
    StopRecordProof();
    FreeOptionsPanel();
    options = OptionsPlay();
}
