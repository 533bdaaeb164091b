// The text rules of alukset.txt: lines, comments, fields, and records of four fields.
#pragma once

#include <string>
#include <vector>

// The longest line text kept; the rest of a longer line is dropped.
constexpr size_t MaxCatalogueLine = 255;

struct CatalogueRecord {
    std::string name;
    std::string modelFile;
    float thrust = 0;   // units per second squared
    float turnRate = 0; // degrees per second
};

// The file's lines without their line ends (LF or CR LF; the last line needs none), each cut to
// its first MaxCatalogueLine characters. Every byte but the line end is a character, NUL too.
std::vector<std::string> SplitCatalogueLines(const std::string& text);

// The line up to its first semicolon after the first character that is not a semicolon.
std::string CutCatalogueComment(const std::string& line);

// A number field read as atof reads it (0 when it holds no number), rounded to float.
float CatalogueNumber(const std::string& field);

// Every complete record of the file in file order; empty lines are skipped wherever they stand
// and fewer than four fields left at the end are dropped. Duplicate names are kept here.
std::vector<CatalogueRecord> ParseCatalogue(const std::string& text);
