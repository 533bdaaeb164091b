// SPDX-License-Identifier: MIT
// Reading alukset.txt from its file a piece at a time, so that memory follows the records kept,
// not the size of the file.
#include "CatalogueFile.h"
#include "FileBytes.h"
#include "Formatted.h"

#include <new>

namespace {

constexpr size_t PieceSize = 64 * 1024;

bool FeedFile(DataFile& file, CatalogueReader& reader, const CatalogueRecordSink& onRecord,
              std::string& reason) {
    unsigned char piece[PieceSize];
    size_t got = 0;
    do {
        if (!ReadSomeBytes(file, piece, sizeof piece, got, reason))
            return false;
        FeedCatalogue(reader, reinterpret_cast<const char*>(piece), got, onRecord);
    } while (got > 0);
    return true;
}

} // namespace

bool ReadCatalogueFile(DataFile& file, const CatalogueRecordSink& onRecord,
                       std::vector<CatalogueField>& leftovers, std::string& reason) {
    CatalogueReader reader;
    leftovers.clear();
    // What the records cost is held by `onRecord`; a file of more records than memory holds is
    // a refusal like any other.
    try {
        if (!FeedFile(file, reader, onRecord, reason))
            return false;
        FinishCatalogue(reader, onRecord, leftovers);
    } catch (const std::bad_alloc&) {
        reason = Formatted("too big to hold: out of memory at line %d", reader.lineNumber);
        return false;
    }
    return true;
}

bool ReadCatalogueFile(const std::string& path, const CatalogueRecordSink& onRecord,
                       std::vector<CatalogueField>& leftovers, std::string& reason) {
    DataFile file;
    return OpenDataFile(path, file, reason) && ReadCatalogueFile(file, onRecord, leftovers, reason);
}
