// The text rules of alukset.txt: lines, the semicolon cut, empty lines, records and numbers.
#include "CatalogueFile.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

TEST(CatalogueFile, SplitsLinesOnLineFeedWithOrWithoutCarriageReturn) {
    struct Case {
        std::string text;
        Lines lines;
    };
    const Case cases[] = {
        {"", {}},
        {"\n", {""}},
        {"a\nb\n", {"a", "b"}},
        {"a\nb", {"a", "b"}}, // the last line needs no line end
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"\r\n\r\n", {"", ""}},
        {"a\rb\n", {"a\rb"}}, // a CR elsewhere is a character
        {"a\r\r\n", {"a\r"}}, // only the CR right before the LF is dropped
        {"a\r", {"a\r"}},     // and only before a LF
        {std::string("B\0x\n", 4), {std::string("B\0x", 3)}}, // NUL is a character
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitCatalogueLines(c.text), c.lines) << "text: " << c.text;
}

TEST(CatalogueFile, LongLineKeepsItsFirst255CharactersAndItsPlace) {
    std::string head(255, 'h');
    struct Case {
        std::string text;
        Lines lines;
    };
    const Case cases[] = {
        {head + "\nnext", {head, "next"}},
        {head + "\r\nnext", {head, "next"}}, // the CR is line end, not a 256th character
        {head + "TAIL\nnext", {head, "next"}},
        {head + std::string(1000, 't') + "\r\nnext\n", {head, "next"}},
        {head + std::string(5000000, 't'), {head}}, // a huge last line with no line end
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitCatalogueLines(c.text), c.lines) << "length " << c.text.size();
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
        {"no comment", "no comment"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CutCatalogueComment(c.first), c.second) << "line: " << c.first;
}

TEST(CatalogueFile, NumbersReadAsAtofDoes) {
    const std::pair<std::string, float> cases[] = {
        {"  12.5 knots", 12.5f},
        {"1e2", 100.0f},
        {"-4", -4.0f},
        {"fast", 0.0f},
        {"1,5", 1.0f},
        {"+3", 3.0f},
        {".5", 0.5f},
        {"7.", 7.0f},
        {"1e", 1.0f},
        {"2.5E-1x", 0.25f},
        {"\t30", 30.0f},
        {"- 3", 0.0f},
        {"0.1", 0.1f}, // rounded to the nearest float
    };
    for (const auto& c : cases)
        EXPECT_EQ(CatalogueNumber(c.first), c.second) << "field: " << c.first;
}

std::string Join(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

void ExpectRecord(const CatalogueRecord& record, const std::string& name,
                  const std::string& modelFile, float thrust, float turnRate) {
    EXPECT_EQ(record.name, name);
    EXPECT_EQ(record.modelFile, modelFile);
    EXPECT_EQ(record.thrust, thrust);
    EXPECT_EQ(record.turnRate, turnRate);
}

TEST(CatalogueFile, NoCompleteRecordGivesNothing) {
    for (const std::string& text :
         {std::string(), std::string("\n\n\r\n\n"), Join({"Bullet", "b.ms3d", "3"})})
        EXPECT_TRUE(ParseCatalogue(text).empty()) << "text: " << text;
}

TEST(CatalogueFile, EmptyLinesInsideARecordAreSkipped) {
    auto records = ParseCatalogue(Join({"Bullet", "", "models\\bullet.ms3d", "", "", "3", "90"}));
    ASSERT_EQ(records.size(), 1u);
    ExpectRecord(records[0], "Bullet", "models\\bullet.ms3d", 3, 90);
}

TEST(CatalogueFile, FieldsAreTakenFourAtATimeAndLeftoversDropped) {
    auto records = ParseCatalogue(Join({"A", "a.ms3d", "1", "2", "B", "b.ms3d", "3", "4", "C"}));
    ASSERT_EQ(records.size(), 2u);
    ExpectRecord(records[0], "A", "a.ms3d", 1, 2);
    ExpectRecord(records[1], "B", "b.ms3d", 3, 4);
}

TEST(CatalogueFile, LastLineWithoutLineEndIsAField) {
    auto records = ParseCatalogue("Umbrek\numbrek.ms3d\n40\n90");
    ASSERT_EQ(records.size(), 1u);
    ExpectRecord(records[0], "Umbrek", "umbrek.ms3d", 40, 90);
}

TEST(CatalogueFile, CarriageReturnLineFeedReadsAsLineFeed) {
    auto records = ParseCatalogue("Quessal\r\nq.ms3d\r\n\r\n25\r\n45\r\n");
    ASSERT_EQ(records.size(), 1u);
    ExpectRecord(records[0], "Quessal", "q.ms3d", 25, 45);
}

TEST(CatalogueFile, CommentsBlanksAndLoneSemicolonsAsFields) {
    // A line of blanks is a field; a lone semicolon is a field and shifts what follows.
    auto records = ParseCatalogue(
        Join({"; the ships", "Bullet ;name", "  ", "7;thrust", "8", ";", "x.ms3d", "1", "2"}));
    ASSERT_EQ(records.size(), 2u);
    ExpectRecord(records[0], "; the ships", "Bullet ", 0, 7);
    ExpectRecord(records[1], "8", ";", 0, 1);
}

TEST(CatalogueFile, OverlongFieldStaysOneField) {
    std::string longPath(300, 'p');
    auto records = ParseCatalogue(Join({"Maradyne", longPath, "30", "60"}));
    ASSERT_EQ(records.size(), 1u);
    ExpectRecord(records[0], "Maradyne", longPath.substr(0, 255), 30, 60);
}

TEST(CatalogueFile, DuplicateNamesStayInFileOrder) {
    auto records =
        ParseCatalogue(Join({"A", "first.ms3d", "1", "2", "A", "second.ms3d", "3", "4"}));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].modelFile, "first.ms3d");
    EXPECT_EQ(records[1].modelFile, "second.ms3d");
}

} // namespace
