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

struct CatalogueRecord {
    std::string name;
    std::string modelFile;
    float thrust = 0;         // units per second squared
    float turnRate = 0;       // degrees per second
    CatalogueField fields[4]; // name, model file, thrust, turn rate as read
};

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

// Every complete record of the text in file order; empty lines are skipped wherever they stand
// and fewer than four fields left at the end are dropped. Duplicate names are kept here.
std::vector<CatalogueRecord> ParseCatalogue(const std::string& text);

// Reads the open file to its end, a piece at a time, as FeedCatalogue does. False, with the
// reason, when reading fails or what `onRecord` keeps outgrows memory.
bool ReadCatalogueFile(DataFile& file, const CatalogueRecordSink& onRecord,
                       std::vector<CatalogueField>& leftovers, std::string& reason);

// Opens `path` as OpenDataFile does (a named pipe or directory is refused at once) and reads it.
// False, with the reason, when it cannot be opened or read.
bool ReadCatalogueFile(const std::string& path, const CatalogueRecordSink& onRecord,
                       std::vector<CatalogueField>& leftovers, std::string& reason);
