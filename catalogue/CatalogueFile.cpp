// SPDX-License-Identifier: MIT
// The text rules of alukset.txt, as pure functions of the file's bytes fed in pieces.
#include "CatalogueFile.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Stores what fits of the next characters of the line; counts all of them.
void TakeCharacters(CatalogueReader& r, const char* text, size_t size) {
    if (size == 0)
        return;
    if (r.line.size() < MaxCatalogueLine)
        r.line.append(text, std::min(size, MaxCatalogueLine - r.line.size()));
    r.lineLength += size;
    r.endsInCR = text[size - 1] == '\r';
}

// Hands the line on as onLine(text, line number, cut) and starts the next.
template <class OnLine> void EndLine(CatalogueReader& r, bool atLineFeed, OnLine& onLine) {
    size_t length = r.lineLength;
    // Only a CR directly before the LF belongs to the line end; it was stored if it fitted.
    if (atLineFeed && r.endsInCR) {
        if (r.line.size() == length)
            r.line.pop_back();
        --length;
    }
    onLine(r.line, r.lineNumber, length > MaxCatalogueLine);
    r.line.clear();
    r.lineLength = 0;
    r.endsInCR = false;
    if (r.lineNumber < INT_MAX)
        ++r.lineNumber;
}

template <class OnLine>
void FeedLines(CatalogueReader& r, const char* text, size_t size, OnLine& onLine) {
    const char* const end = text + size;
    while (text < end) {
        // Runs of empty lines are common padding: each is taken without a search.
        const char* lineFeed =
            *text == '\n' ? text
                          : static_cast<const char*>(std::memchr(text, '\n', size_t(end - text)));
        TakeCharacters(r, text, size_t((lineFeed ? lineFeed : end) - text));
        if (!lineFeed)
            return;
        EndLine(r, true, onLine);
        text = lineFeed + 1;
    }
}

// The last line needs no line end.
template <class OnLine> void FinishLines(CatalogueReader& r, OnLine& onLine) {
    if (r.lineLength > 0)
        EndLine(r, false, onLine);
}

// Turns lines into fields, and every fourth field into a record handed on at once.
struct FieldTaker {
    CatalogueReader& r;
    const CatalogueRecordSink& onRecord;

    void operator()(const std::string& line, int number, bool cut) {
        // An empty line is no field, wherever it stands; the comment cut never empties a line.
        if (line.empty())
            return;
        CatalogueRecord& record = r.record;
        CatalogueField& field = record.fields[r.fieldCount++];
        field.text = CutCatalogueComment(line);
        field.line = number;
        field.cut = cut;
        if (r.fieldCount < CatalogueFieldCount)
            return;
        for (const CatalogueFieldRow& row : CatalogueFields) {
            const std::string& text = record.fields[row.index].text;
            if (row.text)
                record.*row.text = text;
            else
                record.*row.number = CatalogueNumber(text);
        }
        r.fieldCount = 0;
        onRecord(record);
    }
};

} // namespace

void FeedCatalogue(CatalogueReader& reader, const char* text, size_t size,
                   const CatalogueRecordSink& onRecord) {
    FieldTaker taker{reader, onRecord};
    FeedLines(reader, text, size, taker);
}

void FinishCatalogue(CatalogueReader& reader, const CatalogueRecordSink& onRecord,
                     std::vector<CatalogueField>& leftovers) {
    FieldTaker taker{reader, onRecord};
    FinishLines(reader, taker);
    leftovers.assign(reader.record.fields, reader.record.fields + reader.fieldCount);
    reader.fieldCount = 0;
}

std::vector<std::string> SplitCatalogueLines(const std::string& text) {
    std::vector<std::string> lines;
    auto keep = [&lines](const std::string& line, int, bool) { lines.push_back(line); };
    CatalogueReader reader;
    FeedLines(reader, text.data(), text.size(), keep);
    FinishLines(reader, keep);
    return lines;
}

std::string CutCatalogueComment(const std::string& line) {
    size_t textStart = line.find_first_not_of(';');
    if (textStart == std::string::npos)
        return line; // nothing but semicolons (or nothing at all): kept whole
    return line.substr(0, line.find(';', textStart));
}

float CatalogueNumber(const std::string& field) {
    return IsCatalogueNumber(field) ? float(std::strtod(field.c_str(), nullptr)) : 0.0f;
}

// atof also reads "nan", "inf" and "infinity", and a number past the float range rounds to an
// infinity: none of these is a thrust or a turn rate a ship could fly with.
bool IsCatalogueNumber(const std::string& field) {
    char* end = nullptr;
    const float value = float(std::strtod(field.c_str(), &end));
    return end != field.c_str() && std::isfinite(value);
}

std::string CatalogueRecordText(const CatalogueRecord& record, const std::string& note) {
    std::string text;
    bool noted = note.empty();
    for (const CatalogueFieldRow& row : CatalogueFields) {
        if (row.text) {
            text += record.*row.text + "\n";
            continue;
        }
        char line[96];
        std::snprintf(line, sizeof line, "%g; %s, %s", double(record.*row.number), row.name,
                      row.unit);
        text += line + (noted ? "" : ": " + note) + "\n";
        noted = true;
    }
    return text;
}

std::string CatalogueExample() {
    std::string text;
    for (const CatalogueFieldRow& row : CatalogueFields)
        text += std::string(row.example) + "; " + row.help + "\n";
    return text;
}

std::vector<CatalogueRecord> ParseCatalogue(const std::string& text) {
    std::vector<CatalogueRecord> records;
    const CatalogueRecordSink keep = [&records](const CatalogueRecord& r) { records.push_back(r); };
    CatalogueReader reader;
    std::vector<CatalogueField> leftovers;
    FeedCatalogue(reader, text.data(), text.size(), keep);
    FinishCatalogue(reader, keep, leftovers);
    return records;
}
