// SPDX-License-Identifier: MIT
// The actions table's checks, and what is made from it: help texts and notes.
#include "Actions.h"

#include "Printable.h"

#include <vector>

namespace {

constexpr bool RowsInOrder() {
    for (size_t i = 0; i < ActionCount; ++i)
        if (size_t(Actions[i].action) != i)
            return false;
    return true;
}

// How many rows hold the held-action bit `bit`.
constexpr int RowsHolding(uint16_t bit) {
    int rows = 0;
    for (const ActionRow& row : Actions)
        rows += (row.heldBit & bit) != 0;
    return rows;
}

// Every bit of the held-actions record has exactly one row, and no row holds any other bit.
constexpr bool HeldBitsCovered() {
    for (uint16_t bit = 1; bit != 0 && bit <= AllHeldActions; bit = uint16_t(bit << 1))
        if (RowsHolding(bit) != 1)
            return false;
    for (const ActionRow& row : Actions)
        if ((row.heldBit & ~AllHeldActions) != 0 || (row.heldBit & (row.heldBit - 1)) != 0)
            return false;
    return true;
}

constexpr bool NamesASize(const char* text) {
    for (; *text; ++text)
        if (text[0] == '%' && text[1] == 's')
            return true;
    return false;
}

// A row's help names a window size where, and only where, the row gives one; its default pad
// button is one the pad reads; its defaults keep what it must keep.
constexpr bool RowsWellFormed() {
    for (const ActionRow& row : Actions)
        if ((row.size.width != 0) != NamesASize(row.help) || row.padButton >= PadButtonCount ||
            (row.mustKeep != MustKeep::Nothing && row.key == SDLK_UNKNOWN))
            return false;
    return true;
}

static_assert(ActionCount == size_t(Action::Count), "every Action has one row of Actions");
static_assert(RowsInOrder(), "the rows of Actions stand in the order of Action");
static_assert(HeldBitsCovered(), "each held-action bit is one row's, and each row holds one bit");
static_assert(RowsWellFormed(), "a help's %s has its size, a pad button is one the pad reads, and "
                                "an action that must keep a key has one");

} // namespace

std::string ActionHelp(const ActionRow& row) {
    std::string help = WithSize(row.help, row.size.width != 0 ? &row.size : nullptr);
    const size_t at = help.find("%d");
    return at == std::string::npos ? help : help.replace(at, 2, std::to_string(VolumeStep));
}

std::string ActionNote(Action action, const std::string& state) {
    const char* note = ActionOf(action).note;
    if (!note)
        return "";
    std::string text = note;
    const size_t at = text.find("%s");
    return at == std::string::npos ? text : text.replace(at, 2, state);
}

std::string PlayedDemoKeysText() {
    std::vector<std::string> keys;
    for (const ActionRow& row : Actions)
        if (InPlayedDemo(row))
            keys.push_back(KeyLabel(row.key));
    std::string text;
    for (size_t i = 0; i < keys.size(); ++i)
        text += (i == 0 ? "" : i + 1 == keys.size() ? " and " : ", ") + keys[i];
    return text;
}

std::string KeysManual() {
    std::string text;
    for (const ActionRow& row : Actions)
        text += std::string(text.empty() ? ".TP 20\n" : ".TP\n") + ".B " +
                RoffText(KeyLabel(row.key)) + "\n" + RoffText(ActionHelp(row)) + "\n";
    return text;
}

std::string KeysMarkdown() {
    std::string text;
    for (const ActionRow& row : Actions)
        text += "| " + KeyLabel(row.key) + " | " + ActionHelp(row) + " |\n";
    return text;
}
