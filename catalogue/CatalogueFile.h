// SPDX-License-Identifier: MIT
// The text rules of alukset.txt: lines, comments, fields, and records of four fields, read from
// text fed in pieces of any size with memory only for the record being read.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct DataFile;

// The longest line text kept; the rest of a longer line is skipped without being stored.
constexpr size_t MaxCatalogueLine = 255;
// The most ship types the game loads: a catalogue that names more is refused whole. Every ship
// type is a model loaded and drawn, and a few dozen already make a crowded game.
constexpr size_t MaxShipTypes = 65535;

struct CatalogueField {
    std::string text; // after the comment cut, never empty
    int line = 0;     // 1-based line number in the file
    bool cut = false; // the line was longer than MaxCatalogueLine and lost its end
};

// A record's fields in file order, one line each.
enum CatalogueFieldIndex {
    NameField,
    ModelFileField,
    ThrustField,
    TurnRateField,
    CatalogueFieldCount
};

struct CatalogueRecord {
    std::string name;
    std::string modelFile;
    float thrust = 0;                           // units per second squared
    float turnRate = 0;                         // degrees per second
    CatalogueField fields[CatalogueFieldCount]; // as read
};

// What each field is: the reader fills the record from it, the check judges it, the writer
// writes it, a demo's header records each number, and README and the manual page show a record
// from the rows' examples. A field is text (`text` set) or a number (`number` and `unit` set).
struct CatalogueFieldRow {
    CatalogueFieldIndex index;
    const char* name; // as messages and the written comments name it
    std::string CatalogueRecord::*text;
    float CatalogueRecord::*number;
    const char* unit;
    const char* example; // the field of the documents' example record
    const char* help;    // what it holds, as the example's comment says
};

inline constexpr CatalogueFieldRow CatalogueFields[CatalogueFieldCount] = {
    {NameField, "name", &CatalogueRecord::name, nullptr, nullptr, "Quessal",
     "the type's name, exactly as the game looks it up (case matters)"},
    {ModelFileField, "model file", &CatalogueRecord::modelFile, nullptr, nullptr,
     "models/Quessal.ms3d",
     "its MilkShape 3D model file (version 3 or later), relative to the folder"},
    {ThrustField, "thrust", nullptr, &CatalogueRecord::thrust, "units/s^2", "12",
     "thrust: acceleration in units per second per second"},
    {TurnRateField, "turn rate", nullptr, &CatalogueRecord::turnRate, "degrees/s", "90",
     "turn rate in degrees per second (the player's ship only)"},
};

constexpr bool CatalogueFieldsInOrder() {
    for (int i = 0; i < CatalogueFieldCount; ++i)
        if (CatalogueFields[i].index != i ||
            !CatalogueFields[i].text == !CatalogueFields[i].number || !CatalogueFields[i].example ||
            !CatalogueFields[i].help)
            return false;
    return true;
}
static_assert(CatalogueFieldsInOrder(),
              "one row per field, in file order, text or number, with its example and help");

// The number fields, which a demo's header records for each type in the list's order.
constexpr int CountCatalogueNumbers() {
    int count = 0;
    for (const CatalogueFieldRow& row : CatalogueFields)
        count += row.number != nullptr;
    return count;
}
constexpr int CatalogueNumberCount = CountCatalogueNumbers();

// Whether a record of another kind keeps every number field, at `numbers[field]`, and only those:
// a field's place in a ShipType or in a demo's ship type, checked at compile time beside it.
template <class Kept>
constexpr bool HasEveryNumber(float Kept::*const (&numbers)[CatalogueFieldCount]) {
    for (const CatalogueFieldRow& row : CatalogueFields)
        if (!row.number != !numbers[row.index])
            return false;
    return true;
}

using CatalogueRecordSink = std::function<void(const CatalogueRecord&)>;

// Where reading the text has got to: the line being read (its first MaxCatalogueLine
// characters) and the fields of the record being read.
struct CatalogueReader {
    std::string line;
    size_t lineLength = 0; // characters of the line so far, stored or not
    bool endsInCR = false; // its last character so far is a carriage return
    int lineNumber = 1;
    CatalogueRecord record; // its first fieldCount fields are read
    int fieldCount = 0;
};

// Reads the next `size` bytes of the file's text; each record completed goes to `onRecord` at
// once. Lines end at LF; a CR right before the LF belongs to the line end; every other byte is a
// character, NUL too.
void FeedCatalogue(CatalogueReader& reader, const char* text, size_t size,
                   const CatalogueRecordSink& onRecord);

// The end of the text: a last line with no line end is read, and the fields of an incomplete
// record are moved to `leftovers`.
void FinishCatalogue(CatalogueReader& reader, const CatalogueRecordSink& onRecord,
                     std::vector<CatalogueField>& leftovers);

// The file's lines without their line ends (LF or CR LF; the last line needs none), each cut to
// its first MaxCatalogueLine characters.
std::vector<std::string> SplitCatalogueLines(const std::string& text);

// The line up to its first semicolon after the first character that is not a semicolon.
std::string CutCatalogueComment(const std::string& line);

// A number field read as atof reads it, rounded to float; 0 when it holds no number or the
// number is not finite.
float CatalogueNumber(const std::string& field);

// True when `field` begins (after white space) with a number as atof reads it, and the number
// rounded to float is finite ("nan", "inf" and "1e39" are not).
bool IsCatalogueNumber(const std::string& field);

// The documents' example record, a field a line, each with a comment saying what it holds:
// "Quessal; the type's name, ...". Ends with a line end.
std::string CatalogueExample();

// Every complete record of the text in file order; empty lines are skipped wherever they stand
// and fewer than four fields left at the end are dropped. Duplicate names are kept here.
std::vector<CatalogueRecord> ParseCatalogue(const std::string& text);

// The text of one record as alukset.txt holds it: each field on its line in the list's order,
// numbers as %g with a comment naming the field and its unit; `note`, when not empty, ends the
// first number's comment. Read back, it gives the same record.
std::string CatalogueRecordText(const CatalogueRecord& record, const std::string& note);

// Reads the open file to its end, a piece at a time, as FeedCatalogue does. False, with the
// reason, when reading fails or what `onRecord` keeps outgrows memory.
bool ReadCatalogueFile(DataFile& file, const CatalogueRecordSink& onRecord,
                       std::vector<CatalogueField>& leftovers, std::string& reason);

// Opens `path` as OpenDataFile does (a named pipe or directory is refused at once) and reads it.
// False, with the reason, when it cannot be opened or read.
bool ReadCatalogueFile(const std::string& path, const CatalogueRecordSink& onRecord,
                       std::vector<CatalogueField>& leftovers, std::string& reason);
