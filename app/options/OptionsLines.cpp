// SPDX-License-Identifier: MIT
// The options' lines: the title, the rows under their sections' headings, and the footer.
#include "OptionsMenu.h"

#include "Printable.h"

#include <algorithm>

namespace {

const char* const Marker = "> "; // before the chosen row
const char* const Indent = "   ";
const std::string& Separator = HintSeparator;
const char* const PathSeparator = "/";

size_t Characters(const std::string& text) {
    size_t count = 0;
    for (char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

// At most `width` characters of the path `text`, its end kept from a separator on, with "..."
// before it; a last name longer than that alone is cut from its start.
std::string KeepEnd(const std::string& text, size_t width) {
    if (Characters(text) <= width)
        return text;
    for (size_t at = text.find(PathSeparator, 1); at != std::string::npos;
         at = text.find(PathSeparator, at + 1))
        if (Characters(text.substr(at)) + 3 <= width)
            return "..." + text.substr(at);
    size_t characters = 0, cut = text.size();
    while (cut > 0 && characters + 3 < width) {
        --cut;
        characters += (static_cast<unsigned char>(text[cut]) & 0xC0) != 0x80;
    }
    return "..." + text.substr(cut);
}

std::string KeyText(SDLKey key) {
    return key == SDLK_UNKNOWN ? "no key" : KeyLabel(key);
}

const char* CheckWords(RecordCheck check) {
    const char* const words[] = {"not proved", "proving", "verified", "not verified"};
    return words[size_t(check)];
}

std::string Capital(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = char(text[0] - 'a' + 'A');
    return text;
}

// A records row: its ships, shortened to leave room for the rest, then its time, its demo's date
// and its proof: "The installed ships: 49.000 s, 2025-03-01, not proved".
std::string RecordText(const std::string& marker, const RecordShown& record) {
    const std::string date = !record.date.empty()       ? record.date
                             : record.demoFile.empty() ? "no demo"
                                                       : "demo missing";
    const std::string rest = !record.known ? ": none yet"
                                           : ": " + record.time + " s, " + date + ", " +
                                                 CheckWords(record.check);
    const size_t room = OptionsWidth - std::min(OptionsWidth - 8, Characters(marker + rest));
    return marker + Capital(KeepEnd(Printable(record.name), room)) + rest;
}

std::string RowText(const OptionsMenu& menu, size_t index, const Settings& settings,
                    const std::vector<RecordShown>& records) {
    const OptionsRow row = OptionsRowAt(index);
    const std::string marker = index == menu.row ? Marker : Indent;
    const std::string head = marker + OptionsLabel(row) + ": ";
    if (row.setting)
        return head + SettingValueText(*row.setting, settings, {});
    if (row.action != Action::Count) {
        if (menu.binding && index == menu.row)
            return head + "press a key or a pad button";
        const int button = settings.bindings.padButtons[size_t(row.action)];
        return head + KeyText(settings.bindings.keys[size_t(row.action)]) +
               (button == NoPadButton ? "" : ", " + PadButtonText(button));
    }
    return row.record < records.size() ? RecordText(marker, records[row.record]) : head;
}

// `text` in lines of at most `width` characters, broken at `between` (a blank, or the separator
// of a hint's pieces); a piece longer than a line is broken where the line ends.
std::vector<std::string> Wrap(const std::string& text, size_t width, const std::string& between) {
    std::vector<std::string> lines;
    size_t length = 0; // of the last line, in characters
    const size_t gap = Characters(between);
    for (size_t at = 0, end; at < text.size(); at = end + between.size()) {
        end = std::min(text.find(between, at), text.size());
        const std::string piece = text.substr(at, end - at);
        const size_t size = Characters(piece);
        if (size > 0 && !lines.empty() && length + gap + size <= width) {
            lines.back() += between + piece;
            length += gap + size;
            continue;
        }
        for (size_t i = 0; i < piece.size(); ++i) {
            const bool starts = (static_cast<unsigned char>(piece[i]) & 0xC0) != 0x80;
            if (i == 0 || (starts && length == width)) {
                lines.emplace_back();
                length = 0;
            }
            lines.back() += piece[i];
            length += starts;
        }
    }
    return lines;
}

// A records row in full: its ships, and what Enter does or why its proof failed.
std::string RecordDoes(const RecordShown& record) {
    const std::string ships = Capital(Printable(record.ships)) +
                              (record.played ? ", being played" : "") + ". ";
    if (!record.known)
        return ships + "No record kept for them yet";
    if (record.check == RecordCheck::NotVerified)
        return ships + "Not verified: " + record.why;
    return ships + "Enter replays its demo to prove it, as shipyard records does";
}

// What the row does, in lines.
std::vector<std::string> Does(const OptionsRow& row, const std::vector<RecordShown>& records) {
    const std::string does = row.setting                  ? row.setting->help
                             : row.action != Action::Count ? ActionHelp(ActionOf(row.action))
                             : row.record < records.size() ? RecordDoes(records[row.record])
                                                           : "";
    return Wrap(does, OptionsWidth, " ");
}

// Every key the options answer on the row: "Up, Down: choose · Enter: bind · ...".
std::string Hint(const OptionsRow& row, const Bindings& bindings) {
    const SDLKey own = bindings.keys[size_t(Action::Options)];
    const std::string close =
        (own == SDLK_UNKNOWN || own == SDLK_ESCAPE ? "" : KeyLabel(own) + ", ") + "Escape: close";
    const std::string rowKeys = row.setting ? "Left, Right, Enter: change"
                                : row.action != Action::Count
                                    ? "Enter: bind" + std::string(Separator) +
                                          "Delete, Backspace: unbind"
                                    : "Enter: prove";
    return "Up, Down: choose" + std::string(Separator) + rowKeys + Separator + close;
}

// The most lines any row's help, or any row's hint, takes: the footer keeps that many, so that
// the block keeps its height from row to row.
size_t MostLines(bool help, const Bindings& bindings, const std::vector<RecordShown>& records) {
    size_t most = 0;
    for (size_t i = 0; i < OptionsRowCount(records.size()); ++i)
        most = std::max(most, help ? Does(OptionsRowAt(i), records).size()
                                   : Wrap(Hint(OptionsRowAt(i), bindings), OptionsWidth,
                                          Separator)
                                         .size());
    return most;
}

// What the chosen row does and the keys it takes, or what the last press came to, each padded to
// the most lines it takes on any row.
std::vector<std::string> Footer(const OptionsMenu& menu, const OptionsRow& row,
                                const Bindings& bindings, const std::vector<RecordShown>& records) {
    std::vector<std::string> lines = Does(row, records);
    const size_t help = MostLines(true, bindings, records);
    lines.resize(help);
    const std::vector<std::string> said = menu.line.empty()
                                              ? Wrap(Hint(row, bindings), OptionsWidth, Separator)
                                              : Wrap(menu.line, OptionsWidth, " ");
    lines.insert(lines.end(), said.begin(), said.end());
    lines.resize(std::max(lines.size(), help + MostLines(false, bindings, records)));
    return lines;
}

// Every line of the rows: each section's heading before its first row. Gives where the chosen
// row's line is in `chosen`.
std::vector<std::string> RowLines(const OptionsMenu& menu, const Settings& settings,
                                  const std::vector<RecordShown>& records, size_t& chosen) {
    std::vector<std::string> lines;
    for (size_t i = 0; i < OptionsRowCount(records.size()); ++i) {
        const OptionsSection section = SectionOf(OptionsRowAt(i));
        if (i == 0 || section != SectionOf(OptionsRowAt(i - 1)))
            lines.push_back(SectionHeading(section));
        if (i == menu.row)
            chosen = lines.size();
        lines.push_back(RowText(menu, i, settings, records));
    }
    return lines;
}

} // namespace

std::vector<std::string> OptionsLines(const OptionsMenu& menu, const Settings& settings,
                                      const std::vector<RecordShown>& records, size_t mostLines) {
    const std::vector<std::string> footer =
        Footer(menu, OptionsRowAt(menu.row), settings.bindings, records);
    size_t chosen = 0;
    const std::vector<std::string> rows = RowLines(menu, settings, records, chosen);
    const size_t count = rows.size();
    const size_t around = footer.size() + 1; // the title and the footer
    const size_t shown =
        mostLines == 0 ? count
                       : std::clamp<size_t>(mostLines - std::min(mostLines, around), 1, count);
    const size_t first = std::min(chosen - std::min(chosen, shown / 2), count - shown);
    std::vector<std::string> lines = {
        shown == count ? "Options"
                       : "Options" + std::string(Separator) + std::to_string(menu.row + 1) +
                             " of " + std::to_string(OptionsRowCount(records.size()))};
    lines.insert(lines.end(), rows.begin() + long(first), rows.begin() + long(first + shown));
    lines.insert(lines.end(), footer.begin(), footer.end());
    return lines;
}
