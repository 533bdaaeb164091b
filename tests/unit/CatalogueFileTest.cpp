// SPDX-License-Identifier: MIT
// The text rules of alukset.txt: lines, the semicolon cut, empty lines, records and numbers.
#include "CatalogueFile.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Lines = std::vector<std::string>;

TEST(CatalogueFile, SplitsLinesOnLineFeedAndKeepsTheFirst255CharactersOfEach) {
    const std::string head(255, 'h');
    const std::pair<std::string, Lines> cases[] = {
        {"", {}},
        {"\n", {""}},
        {"a\nb\n", {"a", "b"}},
        {"a\nb", {"a", "b"}}, // the last line needs no line end
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\n", {"a\rb"}}, // a CR elsewhere is a character
        {"a\r\r\n", {"a\r"}}, // only the CR right before the LF is dropped
        {"a\r", {"a\r"}},     // and only before a LF
        {std::string("B\0x\n", 4), {std::string("B\0x", 3)}}, // NUL is a character
        {head + "\nnext", {head, "next"}},
        {head + "\r\nnext", {head, "next"}}, // the CR is line end, not a 256th character
        {head + "TAIL\nnext", {head, "next"}},
        {head + std::string(1000, 't') + "\r\nnext\n", {head, "next"}},
        {head + std::string(5000000, 't'), {head}}, // a huge last line with no line end
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitCatalogueLines(c.first), c.second) << "text: " << c.first.substr(0, 300);
}

TEST(CatalogueFile, SemicolonCutsOnlyAfterTheTextHasBegun) {
    const std::pair<std::string, std::string> cases[] = {
        {"Bullet;the projectile type", "Bullet"},
        {"Bullet ; spaced", "Bullet "},
        {";Bullet", ";Bullet"},
        {";;Bullet;x;y", ";;Bullet"},
        {";", ";"},
        {";;;", ";;;"},
        {" ;x", " "},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CutCatalogueComment(c.first), c.second) << "line: " << c.first;
}

TEST(CatalogueFile, NumbersReadAsAtofDoes) {
    const struct {
        std::string field;
        float value;
        bool number; // begins with a number, so 0 is what it says rather than a fallback; atof
                     // also reads "nan", "inf" and numbers past the float range, which are not
    } cases[] = {
        {"  12.5 knots", 12.5f, true}, {"1e2", 100.0f, true},  {"-4", -4.0f, true},
        {"fast", 0.0f, false},         {"1,5", 1.0f, true},    {"1e", 1.0f, true},
        {"2.5E-1x", 0.25f, true},      {"\t+30", 30.0f, true}, {"- 3", 0.0f, false},
        {"0.1", 0.1f, true},           {"0", 0.0f, true},      {"  ", 0.0f, false},
        {"nan", 0.0f, false},          {"-inf", 0.0f, false},  {" Infinity", 0.0f, false},
        {"1e39", 0.0f, false},         {"3e38", 3e38f, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CatalogueNumber(c.field), c.value) << "field: " << c.field;
        EXPECT_EQ(IsCatalogueNumber(c.field), c.number) << "field: " << c.field;
    }
}

using Record = std::tuple<std::string, std::string, float, float>;

TEST(CatalogueFile, RecordsAreTheNonEmptyFieldsFourAtATime) {
    const std::string longPath(300, 'p');
    const struct {
        const char* what;
        std::string text;
        std::vector<Record> records;
    } cases[] = {
        {"no text", "", {}},
        {"only empty lines", "\n\n\r\n\n", {}},
        {"three fields", "Bullet\nb.ms3d\n3\n", {}},
        {"empty lines inside a record",
         "\nBullet\n\nmodels\\bullet.ms3d\n\n\n3\n90\n\n",
         {{"Bullet", "models\\bullet.ms3d", 3, 90}}},
        {"leftover fields dropped, duplicates kept in order",
         "A\na.ms3d\n1\n2\nA\nb.ms3d\n3\n4\nC\n",
         {{"A", "a.ms3d", 1, 2}, {"A", "b.ms3d", 3, 4}}},
        {"last line without line end", "Umbrek\nu.ms3d\n40\n90", {{"Umbrek", "u.ms3d", 40, 90}}},
        {"CR LF", "Quessal\r\nq.ms3d\r\n\r\n25\r\n45\r\n", {{"Quessal", "q.ms3d", 25, 45}}},
        // A line of blanks is a field; a lone semicolon is a field and shifts what follows.
        {"comments, blanks and lone semicolons",
         "; the ships\nBullet ;name\n  \n7;thrust\n8\n;\nx.ms3d\n1\n2\n",
         {{"; the ships", "Bullet ", 0, 7}, {"8", ";", 0, 1}}},
        {"an overlong field stays one field",
         "Maradyne\n" + longPath + "\n30\n60\n",
         {{"Maradyne", longPath.substr(0, 255), 30, 60}}},
    };
    for (const auto& c : cases) {
        std::vector<Record> records;
        for (const CatalogueRecord& r : ParseCatalogue(c.text))
            records.emplace_back(r.name, r.modelFile, r.thrust, r.turnRate);
        EXPECT_EQ(records, c.records) << c.what;
    }
}

// The text fed whole and fed a few bytes at a time gives the same records, each field with its
// line number and whether its line was cut, and the same fields left over.
TEST(CatalogueFile, FieldsKeepTheirLinesWhateverPiecesTheTextComesIn) {
    const std::string exact(255, 'e'), over(256, 'o');
    const std::string text =
        "; ships\r\nA\r\n\r\n" + exact + "\r\n1\n2;x\n" + over + "\nB.ms3d\n3\nC\nc.ms3d";
    using Field = std::tuple<std::string, int, bool>;
    const std::vector<Field> expected = {{"; ships", 1, false}, {"A", 2, false},
                                         {exact, 4, false},     {"1", 5, false},
                                         {"2", 6, false},       {std::string(255, 'o'), 7, true},
                                         {"B.ms3d", 8, false},  {"3", 9, false},
                                         {"C", 10, false},      {"c.ms3d", 11, false}};
    for (size_t piece : {size_t(1), size_t(2), size_t(7), size_t(256), text.size()}) {
        SCOPED_TRACE(piece);
        std::vector<Field> fields;
        auto keep = [&fields](const CatalogueField& f) {
            fields.emplace_back(f.text, f.line, f.cut);
        };
        const CatalogueRecordSink onRecord = [&](const CatalogueRecord& r) {
            for (const CatalogueField& f : r.fields)
                keep(f);
            EXPECT_EQ(r.name, r.fields[0].text);
            EXPECT_EQ(r.modelFile, r.fields[1].text);
        };
        CatalogueReader reader;
        for (size_t at = 0; at < text.size(); at += piece)
            FeedCatalogue(reader, text.data() + at, std::min(piece, text.size() - at), onRecord);
        std::vector<CatalogueField> leftovers;
        FinishCatalogue(reader, onRecord, leftovers);
        for (const CatalogueField& f : leftovers)
            keep(f);
        EXPECT_EQ(fields, expected);
        EXPECT_EQ(leftovers.size(), 2u);
    }
}

// The documents' example record reads back field by field as its rows give it, and README shows
// it as the table has it, announced as the manual announces it.
TEST(CatalogueFile, TheExampleRecordFollowsTheFieldsAndReadmeShowsIt) {
    const std::vector<CatalogueRecord> read = ParseCatalogue(CatalogueExample());
    ASSERT_EQ(read.size(), 1u) << CatalogueExample();
    for (const CatalogueFieldRow& row : CatalogueFields) {
        EXPECT_EQ(read[0].fields[row.index].text, row.example) << row.name;
        EXPECT_TRUE(!row.number || IsCatalogueNumber(row.example)) << row.name;
    }

    const std::string readme = ReadWholeFile("../README.md");
    ASSERT_FALSE(readme.empty()) << "README not found";
    std::string indented;
    for (size_t at = 0, end; at < CatalogueExample().size(); at = end + 1) {
        end = CatalogueExample().find('\n', at);
        indented += "    " + CatalogueExample().substr(at, end - at + 1);
    }
    EXPECT_NE(readme.find(" holds each ship type as one field per line, in this order:\n\n" +
                          indented + "\n"),
              std::string::npos)
        << indented;
}

} // namespace
