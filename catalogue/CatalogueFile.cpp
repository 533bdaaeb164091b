// The text rules of alukset.txt, as pure functions of the file's bytes.
#include "CatalogueFile.h"

#include <algorithm>
#include <cstdlib>

std::vector<std::string> SplitCatalogueLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        bool hasLineFeed = end != std::string::npos;
        if (!hasLineFeed)
            end = text.size();
        size_t length = end - start;
        // Only a CR directly before the LF belongs to the line end.
        if (hasLineFeed && length > 0 && text[end - 1] == '\r')
            --length;
        // A longer line keeps its start and loses its excess, so it stays one field and the
        // fields after it keep their places.
        lines.push_back(text.substr(start, std::min(length, MaxCatalogueLine)));
        start = hasLineFeed ? end + 1 : end;
    }
    return lines;
}

std::string CutCatalogueComment(const std::string& line) {
    size_t textStart = line.find_first_not_of(';');
    if (textStart == std::string::npos)
        return line; // nothing but semicolons (or nothing at all): kept whole
    return line.substr(0, line.find(';', textStart));
}

float CatalogueNumber(const std::string& field) {
    return float(std::strtod(field.c_str(), nullptr));
}

std::vector<CatalogueRecord> ParseCatalogue(const std::string& text) {
    std::vector<CatalogueRecord> records;
    CatalogueRecord pending;
    int fieldCount = 0;
    for (const std::string& line : SplitCatalogueLines(text)) {
        std::string field = CutCatalogueComment(line);
        if (field.empty())
            continue;
        ++fieldCount;
        if (fieldCount == 1)
            pending.name = field;
        else if (fieldCount == 2)
            pending.modelFile = field;
        else if (fieldCount == 3)
            pending.thrust = CatalogueNumber(field);
        else {
            pending.turnRate = CatalogueNumber(field);
            records.push_back(pending);
            fieldCount = 0;
        }
    }
    return records;
}
