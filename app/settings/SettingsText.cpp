// SPDX-License-Identifier: MIT
// The settings' line rules, the bindings' conflicts and the write-back.
#include "SettingsText.h"

#include "Printable.h"

#include <algorithm>
#include <cstdio>

namespace {


// A value from the file as a message shows it: made printable, and no more than its first 40
// bytes.
std::string Quoted(const std::string& text) {
    return "'" + Printable(text.substr(0, 40)) + (text.size() > 40 ? "...'" : "'");
}


bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A line taken apart: its name and value with the blanks around them and a comment after the
// value left out.
struct LineParts {
    bool setting = false; // false: blank or a comment
    bool hasEquals = false;
    std::string name, value;
    size_t valueStart = 0, valueEnd = 0;
};

LineParts TakeApart(const std::string& line) {
    LineParts parts;
    size_t end = line.size();
    if (end > 0 && line[end - 1] == '\r') // a file written with CR LF line ends
        --end;
    size_t start = 0;
    while (start < end && IsBlank(line[start]))
        ++start;
    if (start == end || line[start] == '#')
        return parts;
    parts.setting = true;
    size_t equals = line.find('=', start);
    parts.hasEquals = equals < end;
    size_t nameEnd = parts.hasEquals ? equals : end;
    while (nameEnd > start && IsBlank(line[nameEnd - 1]))
        --nameEnd;
    parts.name = line.substr(start, nameEnd - start);
    if (!parts.hasEquals)
        return parts;
    size_t value = equals + 1;
    while (value < end && IsBlank(line[value]))
        ++value;
    size_t valueEnd = value;
    for (size_t i = value; i < end; ++i) {
        if (line[i] == '#' && i > value && IsBlank(line[i - 1]))
            break;
        if (!IsBlank(line[i]))
            valueEnd = i + 1;
    }
    parts.valueStart = value;
    parts.valueEnd = valueEnd;
    parts.value = line.substr(value, valueEnd - value);
    return parts;
}

bool HasControlBytes(const std::string& text) {
    for (char c : text)
        if ((unsigned char)c < 0x20 || c == 0x7F)
            return true;
    return false;
}

// What a line of the file came to while reading.
struct LineVerdict {
    int row = -1;        // the setting it names, if known
    std::string problem; // empty for a good line or a comment
};

LineVerdict Judge(const LineParts& parts, const KeyNames& names, Settings& scratch) {
    LineVerdict verdict;
    if (!parts.hasEquals) {
        verdict.problem = "not a 'name = value' line";
        return verdict;
    }
    verdict.row = FindSettingRow(parts.name);
    if (verdict.row < 0) {
        verdict.problem = "unknown setting " + Quoted(parts.name);
        return verdict;
    }
    const SettingRow& row = SettingRows()[size_t(verdict.row)];
    if (HasControlBytes(parts.value) || !ReadSettingValue(row, parts.value, names, scratch))
        verdict.problem =
            row.name + " takes " + SettingValues(row) + ", not " + Quoted(parts.value);
    else if (row.action != Action::Count)
        verdict.problem = MissingBinding(scratch.bindings, row.action);
    return verdict;
}

// Keeps in `line` the setting its name names, good or bad, and where its value lies.
void NoteNamedSetting(const LineParts& parts, SettingsLine& line) {
    line.row = FindSettingRow(parts.name);
    line.hasValue = parts.hasEquals;
    line.valueStart = parts.valueStart;
    line.valueEnd = parts.valueEnd;
}

void Split(const std::string& bytes, SettingsText& text) {
    size_t start = 0;
    while (start < bytes.size()) {
        size_t feed = bytes.find('\n', start);
        if (feed == std::string::npos)
            feed = bytes.size();
        text.lines.push_back({bytes.substr(start, feed - start)});
        start = feed + 1;
    }
    text.endsWithLineFeed = bytes.empty() || bytes.back() == '\n';
}

// The action other than the row's own that its key or button is bound to in `settings`.
bool Holder(const SettingRow& row, const Settings& settings, Action& holder) {
    const Bindings& b = settings.bindings;
    const size_t a = size_t(row.action);
    if (row.kind == KeySetting)
        return KeyTaken(b, b.keys[a], row.action, holder);
    return row.kind == PadSetting && PadButtonTaken(b, b.padButtons[a], row.action, holder);
}

bool Unbound(const SettingRow& row, const Settings& settings) {
    const Bindings& b = settings.bindings;
    return row.kind == KeySetting   ? b.keys[size_t(row.action)] == SDLK_UNKNOWN
           : row.kind == PadSetting ? b.padButtons[size_t(row.action)] == NoPadButton
                                    : false;
}

// Lines each good alone can leave an action without what it must keep together (the options'
// key and button both none): the latest of them is refused, its setting back to its default.
void RefuseMissing(SettingsText& text, Settings& settings, std::vector<LineVerdict>& verdicts) {
    const std::vector<SettingRow>& rows = SettingRows();
    for (const ActionRow& action : Actions) {
        const std::string missing = MissingBinding(settings.bindings, action.action);
        int latest = -1;
        for (size_t r = 0; r < rows.size() && !missing.empty(); ++r)
            if (rows[r].action == action.action && Unbound(rows[r], settings) &&
                (latest < 0 || text.lineOfRow[r] > text.lineOfRow[size_t(latest)]))
                latest = int(r);
        if (latest < 0 || text.lineOfRow[size_t(latest)] < 0)
            continue;
        verdicts[size_t(text.lineOfRow[size_t(latest)])].problem = missing;
        text.lineOfRow[size_t(latest)] = -1;
        CopySetting(rows[size_t(latest)], Settings(), settings);
    }
}

// The row whose line is the latest in effect among those that share a key or a button with
// another action; -1 when no two actions share one.
int LatestConflict(const SettingsText& text, const Settings& settings) {
    int refused = -1, latest = -1;
    const std::vector<SettingRow>& rows = SettingRows();
    for (size_t r = 0; r < rows.size(); ++r) {
        Action holder;
        const int line = text.lineOfRow[r];
        if (line >= latest && Holder(rows[r], settings, holder)) {
            latest = line;
            refused = int(r);
        }
    }
    return refused;
}

// Refuses, one by one, the latest line in effect that puts two actions on one key or button, its
// setting back to its default, until none does. Gives the lines refused.
std::vector<int> RefuseConflicts(SettingsText& text, Settings& settings) {
    std::vector<int> refused;
    for (int r; (r = LatestConflict(text, settings)) >= 0;) {
        refused.push_back(text.lineOfRow[size_t(r)]);
        text.lineOfRow[size_t(r)] = -1;
        CopySetting(SettingRows()[size_t(r)], Settings(), settings);
    }
    return refused;
}

// A line refused because another line took its key can find that key free again once that other
// line was refused in turn: such a line applies after all.
void TakeBackFreedLines(std::vector<int>& refused, SettingsText& text, Settings& settings,
                        const KeyNames& names) {
    std::sort(refused.begin(), refused.end());
    for (size_t i = 0; i < refused.size();) {
        const SettingsLine& line = text.lines[size_t(refused[i])];
        const SettingRow& row = SettingRows()[size_t(line.row)];
        Settings tried = settings;
        Action holder;
        if (text.lineOfRow[size_t(line.row)] < 0 &&
            ReadSettingValue(row, TakeApart(line.text).value, names, tried) &&
            !Holder(row, tried, holder)) {
            settings = tried;
            text.lineOfRow[size_t(line.row)] = refused[i];
            refused.erase(refused.begin() + long(i));
        } else {
            ++i;
        }
    }
}

// Why a line was refused for its key or button (`value`), naming the action that holds it in
// `settings`.
std::string ConflictProblem(const SettingRow& row, const std::string& value,
                            const Settings& settings, const KeyNames& names) {
    Settings wanted = settings;
    ReadSettingValue(row, value, names, wanted);
    const std::string problem = BindingProblem(row, wanted, names);
    return problem.empty() ? Quoted(value) + " cannot be used here" : problem;
}

// The line with `value` in place of its value, or, for a line that names the setting alone,
// `name = value`.
std::string WithValue(const SettingsLine& line, const SettingRow& row, const std::string& value) {
    if (!line.hasValue)
        return row.name + " = " + value;
    return line.text.substr(0, line.valueStart) + value + line.text.substr(line.valueEnd);
}

std::string Message(const std::string& fileName, size_t line, const std::string& problem,
                    const std::string& outcome) {
    return "starchase: " + fileName + ":" + std::to_string(line + 1) + ": " + problem + "; " +
           outcome;
}

} // namespace

std::string BindingProblem(const SettingRow& row, const Settings& settings, const KeyNames& names) {
    if (row.action == Action::Count)
        return "";
    const std::string missing = MissingBinding(settings.bindings, row.action);
    Action holder;
    if (!missing.empty() || !Holder(row, settings, holder))
        return missing;
    const std::string shown = SettingValueText(row, settings, names);
    const std::string what = row.kind == KeySetting ? "the key " + Quoted(shown) : "button " + shown;
    return TakenRefusal(what, holder);
}

SettingsReading ReadSettingsText(const std::string& bytes, const std::string& fileName,
                                 const KeyNames& names) {
    SettingsReading reading;
    SettingsText& text = reading.text;
    Split(bytes, text);
    const std::vector<SettingRow>& rows = SettingRows();
    text.lineOfRow.assign(rows.size(), -1);
    std::vector<LineVerdict> verdicts(text.lines.size());
    for (size_t i = 0; i < text.lines.size(); ++i) {
        LineParts parts = TakeApart(text.lines[i].text);
        if (!parts.setting)
            continue;
        NoteNamedSetting(parts, text.lines[i]);
        Settings scratch;
        verdicts[i] = Judge(parts, names, scratch);
        if (!verdicts[i].problem.empty())
            continue;
        int& inEffect = text.lineOfRow[size_t(verdicts[i].row)];
        if (inEffect >= 0)
            verdicts[size_t(inEffect)].problem = rows[size_t(verdicts[i].row)].name +
                                                 " is set again on line " + std::to_string(i + 1);
        inEffect = int(i);
        ReadSettingValue(rows[size_t(verdicts[i].row)], parts.value, names, reading.settings);
    }
    RefuseMissing(text, reading.settings, verdicts);
    std::vector<int> refused = RefuseConflicts(text, reading.settings);
    TakeBackFreedLines(refused, text, reading.settings, names);
    for (int line : refused) {
        const SettingsLine& refusedLine = text.lines[size_t(line)];
        verdicts[size_t(line)].problem =
            ConflictProblem(rows[size_t(refusedLine.row)], TakeApart(refusedLine.text).value,
                            reading.settings, names);
    }
    for (size_t i = 0; i < verdicts.size(); ++i)
        if (!verdicts[i].problem.empty())
            reading.problems.push_back(Message(
                fileName, i, verdicts[i].problem,
                verdicts[i].row < 0 ? "ignored"
                                    : "using " + SettingValueText(rows[size_t(verdicts[i].row)],
                                                                  reading.settings, names)));
    return reading;
}

std::string WriteSettingsText(const SettingsText& text, const Settings& asRead, const Settings& now,
                              const KeyNames& names) {
    const std::vector<SettingRow>& rows = SettingRows();
    std::vector<bool> changed(rows.size());
    std::vector<int> lastLine(rows.size(), -1);
    for (size_t r = 0; r < rows.size(); ++r)
        changed[r] = SettingValueText(rows[r], now, names) != SettingValueText(rows[r], asRead, names);
    for (size_t i = 0; i < text.lines.size(); ++i)
        if (text.lines[i].row >= 0)
            lastLine[size_t(text.lines[i].row)] = int(i);
    std::string bytes, added;
    for (size_t i = 0; i < text.lines.size(); ++i) {
        const SettingsLine& line = text.lines[i];
        const bool ends = i + 1 < text.lines.size() || text.endsWithLineFeed;
        if (line.row < 0 || !changed[size_t(line.row)])
            bytes += line.text + (ends ? "\n" : "");
        else if (lastLine[size_t(line.row)] == int(i))
            bytes += WithValue(line, rows[size_t(line.row)],
                               SettingValueText(rows[size_t(line.row)], now, names)) +
                     (ends ? "\n" : "");
    }
    for (size_t r = 0; r < rows.size(); ++r)
        if (changed[r] && lastLine[r] < 0)
            added += rows[r].name + " = " + SettingValueText(rows[r], now, names) + "\n";
    if (!added.empty() && !bytes.empty() && bytes.back() != '\n')
        bytes += "\n";
    return bytes + added;
}

bool SettingsDiffer(const Settings& a, const Settings& b, const KeyNames& names) {
    for (const SettingRow& row : SettingRows())
        if (SettingValueText(row, a, names) != SettingValueText(row, b, names))
            return true;
    return false;
}

Settings WithChanges(Settings into, const Settings& before, const Settings& after,
                     const KeyNames& names) {
    for (const SettingRow& row : SettingRows())
        if (SettingValueText(row, before, names) != SettingValueText(row, after, names))
            CopySetting(row, after, into);
    return into;
}
