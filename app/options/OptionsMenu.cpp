// SPDX-License-Identifier: MIT
// The options' rows, their edits and refusals, and their lines.
#include "OptionsMenu.h"

#include "PadKeys.h"
#include "Printable.h"

#include <algorithm>

namespace {

const char* const Marker = "> "; // before the chosen row
const char* const Indent = "   ";
const std::string& Separator = HintSeparator;

// What an options row is: a fixed setting (its row of SettingRows), an action, or the best chase.
struct OptionsRow {
    const SettingRow* setting = nullptr;
    Action action = Action::Count;
};

std::vector<const SettingRow*> MakeFixedRows() {
    std::vector<const SettingRow*> fixed;
    for (const SettingRow& row : SettingRows())
        if (row.kind != KeySetting && row.kind != PadSetting)
            fixed.push_back(&row);
    return fixed;
}

const std::vector<const SettingRow*>& FixedRows() {
    static const std::vector<const SettingRow*> fixed = MakeFixedRows();
    return fixed;
}

OptionsRow RowAt(size_t index) {
    OptionsRow row;
    const size_t fixed = FixedRows().size();
    if (index < fixed)
        row.setting = FixedRows()[index];
    else if (index < fixed + ActionCount)
        row.action = Action(index - fixed);
    return row;
}

std::string ActionName(Action action) {
    return ActionOf(action).name;
}

// Delete on an action: its key and pad button taken away; an action that must keep one keeps both.
OptionsOutcome Unbind(OptionsMenu& menu, Settings& settings, Action action) {
    Bindings unbound = settings.bindings;
    unbound.keys[size_t(action)] = SDLK_UNKNOWN;
    unbound.padButtons[size_t(action)] = NoPadButton;
    menu.line = MissingBinding(unbound, action);
    if (!menu.line.empty())
        return {};
    OptionsOutcome outcome;
    outcome.changed = settings.bindings.keys[size_t(action)] != SDLK_UNKNOWN ||
                      settings.bindings.padButtons[size_t(action)] != NoPadButton;
    settings.bindings = unbound;
    menu.line = ActionName(action) + " has no key or button now";
    return outcome;
}

// Enter on the chosen row.
OptionsOutcome Select(OptionsMenu& menu, Settings& settings, const OptionsRow& row,
                      const BestChaseView& best) {
    OptionsOutcome outcome;
    if (row.setting) {
        outcome.changed = StepSetting(*row.setting, settings, true);
    } else if (row.action != Action::Count) {
        menu.binding = true;
        menu.line = "Press a key or pad button for " + ActionName(row.action) + "; Escape cancels";
    } else if (best.known) {
        outcome.prove = true;
    } else {
        menu.line = best.none;
    }
    return outcome;
}

bool HasName(const KeyNames& names, SDLKey key) {
    for (const KeyName& named : names)
        if (named.key == key)
            return true;
    return false;
}

// Ends the wait for a key or button: false with `refusal` said, or true with the binding, to
// `shown`, said.
bool EndWait(OptionsMenu& menu, const std::string& refusal, const std::string& shown) {
    menu.binding = false;
    menu.line = refusal.empty() ? ActionName(RowAt(menu.row).action) + ": " + shown : refusal;
    return refusal.empty();
}

template <typename Input> OptionsOutcome Bind(Input& bound, Input wanted) {
    OptionsOutcome outcome;
    outcome.changed = bound != wanted;
    bound = wanted;
    return outcome;
}

std::string KeyText(SDLKey key) {
    return key == SDLK_UNKNOWN ? "no key" : KeyLabel(key);
}

std::string ButtonText(int button) {
    return "button " + std::to_string(button + 1);
}

size_t Characters(const std::string& text) {
    size_t count = 0;
    for (char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

// At most `width` characters of `text`, its end kept and "..." before it when it is cut.
std::string KeepEnd(const std::string& text, size_t width) {
    if (Characters(text) <= width)
        return text;
    size_t characters = 0, cut = text.size();
    while (cut > 0 && characters + 3 < width) {
        --cut;
        characters += (static_cast<unsigned char>(text[cut]) & 0xC0) != 0x80;
    }
    return "..." + text.substr(cut);
}

std::string RowText(const OptionsMenu& menu, size_t index, const Settings& settings,
                    const BestChaseView& best) {
    const OptionsRow row = RowAt(index);
    const std::string mark = index == menu.row ? Marker : Indent;
    if (row.setting)
        return mark + row.setting->name + ": " + SettingValueText(*row.setting, settings, {});
    if (row.action != Action::Count) {
        if (menu.binding && index == menu.row)
            return mark + ActionName(row.action) + ": press a key or a pad button";
        const int button = settings.bindings.padButtons[size_t(row.action)];
        return mark + ActionName(row.action) + ": " +
               KeyText(settings.bindings.keys[size_t(row.action)]) +
               (button == NoPadButton ? "" : ", " + ButtonText(button));
    }
    if (!best.known)
        return mark + "best chase: none yet for these ships";
    const std::string head = mark + "best chase: " + best.time + " s, ships of ";
    return head + KeepEnd(Printable(best.ships), OptionsWidth - head.size());
}

// `text` in lines of at most `width` characters, broken between words; a word longer than a
// line is broken where the line ends.
std::vector<std::string> Wrap(const std::string& text, size_t width) {
    std::vector<std::string> lines;
    size_t length = 0; // of the last line, in characters
    for (size_t at = 0, end; at < text.size(); at = end + 1) {
        end = std::min(text.find(' ', at), text.size());
        const std::string word = text.substr(at, end - at);
        const size_t size = Characters(word);
        if (size > 0 && !lines.empty() && length + 1 + size <= width) {
            lines.back() += " " + word;
            length += 1 + size;
            continue;
        }
        for (size_t i = 0; i < word.size(); ++i) {
            const bool starts = (static_cast<unsigned char>(word[i]) & 0xC0) != 0x80;
            if (i == 0 || (starts && length == width)) {
                lines.emplace_back();
                length = 0;
            }
            lines.back() += word[i];
            length += starts;
        }
    }
    return lines;
}

// What the chosen row does and the keys it takes, or what the last press came to.
std::vector<std::string> Footer(const OptionsMenu& menu, const OptionsRow& row) {
    std::string does = "Enter replays its demo to prove it, as shipyard records does";
    std::string keys = "Enter: prove" + std::string(Separator) + "Escape: close";
    if (row.setting) {
        does = row.setting->help;
        keys = "Left, Right: change" + std::string(Separator) + "Escape: close";
    } else if (row.action != Action::Count) {
        does = ActionHelp(ActionOf(row.action));
        keys =
            "Enter: bind" + std::string(Separator) + "Delete: unbind" + Separator + "Escape: close";
    }
    std::vector<std::string> lines = Wrap(does, OptionsWidth);
    for (const std::string& line : Wrap(menu.line.empty() ? keys : menu.line, OptionsWidth))
        lines.push_back(line);
    return lines;
}

} // namespace

size_t OptionsRowCount() {
    return FixedRows().size() + ActionCount + 1;
}

void OpenOptions(OptionsMenu& menu) {
    menu = OptionsMenu();
    menu.open = true;
}

OptionsOutcome PressInOptions(OptionsMenu& menu, Settings& settings, OptionsInput input,
                              const BestChaseView& best) {
    const size_t count = OptionsRowCount();
    const OptionsRow row = RowAt(menu.row);
    if (menu.binding) { // a key binds, through BindKeyInOptions; anything else cancels
        menu.binding = false;
        menu.line.clear();
        return {};
    }
    menu.line.clear();
    switch (input) {
    case OptionsInput::Up:
    case OptionsInput::Down:
        menu.row = (menu.row + (input == OptionsInput::Up ? count - 1 : 1)) % count;
        return {};
    case OptionsInput::Left:
    case OptionsInput::Right:
        return {row.setting && StepSetting(*row.setting, settings, input == OptionsInput::Right),
                false};
    case OptionsInput::Select:
        return Select(menu, settings, row, best);
    case OptionsInput::Unbind:
        return row.action == Action::Count ? OptionsOutcome{} : Unbind(menu, settings, row.action);
    case OptionsInput::Back:
    case OptionsInput::Close:
        menu.open = false;
        return {};
    }
    return {};
}

OptionsOutcome BindKeyInOptions(OptionsMenu& menu, Settings& settings, SDLKey key,
                                const KeyNames& names) {
    if (!menu.binding)
        return {};
    const Action action = RowAt(menu.row).action;
    Action holder = Action::Count;
    std::string refusal;
    if (!HasName(names, key))
        refusal = KeyLabel(key) + " has no name the settings file can keep";
    else if (KeyTaken(settings.bindings, key, action, holder))
        refusal = TakenRefusal(KeyLabel(key), holder);
    if (!EndWait(menu, refusal, KeyLabel(key)))
        return {};
    return Bind(settings.bindings.keys[size_t(action)], key);
}

OptionsOutcome BindPadButtonInOptions(OptionsMenu& menu, Settings& settings, int button) {
    if (!menu.binding || button < 0 || button >= PadButtonCount)
        return {};
    const Action action = RowAt(menu.row).action;
    Action holder = Action::Count;
    std::string refusal;
    if (PadButtonTaken(settings.bindings, button, action, holder))
        refusal = TakenRefusal(ButtonText(button), holder);
    if (!EndWait(menu, refusal, ButtonText(button)))
        return {};
    return Bind(settings.bindings.padButtons[size_t(action)], button);
}

void ShowProof(OptionsMenu& menu, const std::string& why) {
    menu.line = why.empty() ? "verified" : "not verified: " + why;
}

bool OptionsInputOfKey(SDLKey key, const Bindings& bindings, OptionsInput& input) {
    const struct {
        SDLKey key;
        OptionsInput input;
    } keys[] = {
        {SDLK_UP, OptionsInput::Up},
        {SDLK_DOWN, OptionsInput::Down},
        {SDLK_LEFT, OptionsInput::Left},
        {SDLK_RIGHT, OptionsInput::Right},
        {SDLK_RETURN, OptionsInput::Select},
        {SDLK_KP_ENTER, OptionsInput::Select},
        {SDLK_ESCAPE, OptionsInput::Back},
        {SDLK_DELETE, OptionsInput::Unbind},
        {SDLK_BACKSPACE, OptionsInput::Unbind},
        {bindings.keys[size_t(Action::Options)], OptionsInput::Close},
    };
    for (const auto& named : keys)
        if (named.key == key && key != SDLK_UNKNOWN) {
            input = named.input;
            return true;
        }
    return false;
}

bool OptionsInputOfPadButton(int button, const Bindings& bindings, OptionsInput& input) {
    const int own = bindings.padButtons[size_t(Action::Options)];
    if (button == 0 || button == 1)
        input = button == 0 ? OptionsInput::Select : OptionsInput::Back;
    else if (button == own && own != NoPadButton)
        input = OptionsInput::Close;
    return button == 0 || button == 1 || (button == own && own != NoPadButton);
}

bool OptionsInputOfPadLean(uint8_t newlyLeaning, OptionsInput& input) {
    const struct {
        uint8_t lean;
        OptionsInput input;
    } leans[] = {{PadUp, OptionsInput::Up},
                 {PadDown, OptionsInput::Down},
                 {PadLeft, OptionsInput::Left},
                 {PadRight, OptionsInput::Right}};
    for (const auto& lean : leans)
        if (newlyLeaning & lean.lean) {
            input = lean.input;
            return true;
        }
    return false;
}

std::vector<std::string> OptionsLines(const OptionsMenu& menu, const Settings& settings,
                                      const BestChaseView& best, size_t mostLines) {
    const size_t count = OptionsRowCount();
    const std::vector<std::string> footer = Footer(menu, RowAt(menu.row));
    const size_t around = footer.size() + 1; // the title and the footer
    const size_t shown =
        mostLines == 0 ? count
                       : std::clamp<size_t>(mostLines - std::min(mostLines, around), 1, count);
    const size_t first = std::min(menu.row - std::min(menu.row, shown / 2), count - shown);
    std::vector<std::string> lines = {shown == count ? "Options"
                                                     : "Options" + std::string(Separator) +
                                                           std::to_string(menu.row + 1) + " of " +
                                                           std::to_string(count)};
    for (size_t i = first; i < first + shown; ++i)
        lines.push_back(RowText(menu, i, settings, best));
    lines.insert(lines.end(), footer.begin(), footer.end());
    return lines;
}
