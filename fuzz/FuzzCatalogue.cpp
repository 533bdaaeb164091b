// SPDX-License-Identifier: MIT
// Any text as alukset.txt: read whole and read in pieces (split where the input's first bytes
// say), it must give the same records and leftovers, and every field must keep the rules: never
// empty, at most MaxCatalogueLine characters, no line feed, line numbers that never go back.
#include "CatalogueFile.h"
#include "FuzzCheck.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<CatalogueField> Read(const char* text, size_t size, size_t piece) {
    std::vector<CatalogueField> fields;
    const CatalogueRecordSink keep = [&fields](const CatalogueRecord& r) {
        Require(r.name == r.fields[0].text && r.modelFile == r.fields[1].text);
        fields.insert(fields.end(), r.fields, r.fields + 4);
    };
    CatalogueReader reader;
    for (size_t at = 0; at < size; at += piece)
        FeedCatalogue(reader, text + at, std::min(piece, size - at), keep);
    std::vector<CatalogueField> leftovers;
    FinishCatalogue(reader, keep, leftovers);
    Require(leftovers.size() < 4);
    fields.insert(fields.end(), leftovers.begin(), leftovers.end());
    return fields;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    const std::vector<CatalogueField> whole = Read(text, size, size + 1);
    const size_t piece = size > 0 ? data[0] % 64 + 1 : 1;
    const std::vector<CatalogueField> pieces = Read(text, size, piece);
    Require(whole.size() == pieces.size());
    int line = 0;
    for (size_t i = 0; i < whole.size(); ++i) {
        const CatalogueField& f = whole[i];
        Require(f.text == pieces[i].text && f.line == pieces[i].line && f.cut == pieces[i].cut);
        Require(!f.text.empty() && f.text.size() <= MaxCatalogueLine);
        Require(f.text.find('\n') == std::string::npos);
        Require(f.line > line);
        line = f.line;
    }
    return 0;
}
