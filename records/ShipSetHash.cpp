// SPDX-License-Identifier: MIT
// Hashing a ship set: the pure fold over files, and the files read as the game reads them, each
// once, a piece at a time, hashed as the pieces arrive.
#include "ShipSetHash.h"

#include "CatalogueFile.h"
#include "FileBytes.h"
#include "LoadShipCatalogue.h"
#include "MilkshapeParse.h"
#include "PieceReader.h"

#include <map>
#include <set>

namespace {

constexpr uint64_t FnvPrime = 1099511628211ull;

uint64_t Add(uint64_t hash, const unsigned char* bytes, size_t size) {
    for (size_t i = 0; i < size; ++i) {
        hash ^= bytes[i];
        hash *= FnvPrime;
    }
    return hash;
}

uint64_t AddLength(uint64_t hash, uint64_t length) {
    unsigned char bytes[8];
    for (int i = 0; i < 8; ++i)
        bytes[i] = uint8_t(length >> (8 * i));
    return Add(hash, bytes, 8);
}

std::string InFolder(const std::string& folder, const std::string& path) {
    return folder.empty() ? path : folder + "/" + path;
}

// Each type's model file, kept as the catalogue's records are read: the first under a name wins.
CatalogueRecordSink KeepModelFile(std::map<std::string, std::string>& models) {
    return
        [&models](const CatalogueRecord& record) { models.emplace(record.name, record.modelFile); };
}

std::vector<std::string> InNameOrder(const std::map<std::string, std::string>& models) {
    std::vector<std::string> files;
    for (const auto& entry : models)
        files.push_back(entry.second);
    return files;
}

// A set's files as they are hashed: the hash so far, the files counted in it and the models
// whose textures were looked for.
struct SetHashing {
    std::string folder;
    uint64_t hash = EmptyShipSetHash;
    std::set<std::string> counted;
    std::set<std::string> walked;
};

// Reads the file the set names `path` once, a piece at a time, counting it in the hash unless it
// was counted already; a model's texture files are found on the way (left empty unless it parses
// as the game's reader parses it). False when it cannot be read: it then counts as missing.
bool ReadSetFile(SetHashing& set, const std::string& path, bool model,
                 std::vector<std::string>& textures) {
    textures.clear();
    const bool count = set.counted.insert(path).second;
    if (!count && !model)
        return true;
    DataFile file;
    std::string reason;
    bool read = OpenDataFile(InFolder(set.folder, path), file, reason);
    uint64_t hash = read ? StartShipSetFile(set.hash, path, true, file.size) : set.hash;
    if (read) {
        PieceReader in = ReadFilePieces(file);
        if (count)
            in.seen = [&hash](const unsigned char* bytes, size_t size) {
                hash = AddShipSetBytes(hash, bytes, size);
            };
        if (model && !MilkshapeTextureFiles(in, path, textures, reason))
            textures.clear();
        // A file that changed its length while it was read is not the file that was opened.
        read = !count || (ReadRestOfPieces(in) && in.read == file.size);
    }
    if (!read)
        textures.clear();
    if (count)
        set.hash = read ? hash : AddToShipSetHash(set.hash, path, false, {});
    return read;
}

// The catalogue's bytes into the hash and its text into the model files, in one reading.
bool HashCatalogue(SetHashing& set, std::vector<std::string>& models, std::string& reason) {
    DataFile file;
    if (!OpenDataFile(InFolder(set.folder, CatalogueFileName), file, reason))
        return false;
    uint64_t hash = StartShipSetFile(set.hash, CatalogueFileName, true, file.size);
    std::map<std::string, std::string> byName;
    const CatalogueRecordSink keep = KeepModelFile(byName);
    CatalogueReader reader;
    PieceReader in = ReadFilePieces(file);
    in.seen = [&](const unsigned char* bytes, size_t size) {
        hash = AddShipSetBytes(hash, bytes, size);
        FeedCatalogue(reader, reinterpret_cast<const char*>(bytes), size, keep);
    };
    if (!ReadRestOfPieces(in)) {
        reason = in.fault;
        return false;
    }
    if (in.read != file.size) {
        reason = "it changed while it was read";
        return false;
    }
    std::vector<CatalogueField> leftovers;
    FinishCatalogue(reader, keep, leftovers);
    models = InNameOrder(byName);
    set.hash = hash;
    return true;
}

} // namespace

uint64_t StartShipSetFile(uint64_t hash, const std::string& path, bool read, uint64_t length) {
    hash = AddLength(hash, path.size());
    hash = Add(hash, reinterpret_cast<const unsigned char*>(path.data()), path.size());
    const unsigned char mark = read ? 1 : 0;
    hash = Add(hash, &mark, 1);
    return AddLength(hash, length);
}

uint64_t AddShipSetBytes(uint64_t hash, const unsigned char* bytes, size_t size) {
    return Add(hash, bytes, size);
}

uint64_t AddToShipSetHash(uint64_t hash, const std::string& path, bool read,
                          const std::vector<unsigned char>& bytes) {
    hash = StartShipSetFile(hash, path, read, bytes.size());
    return AddShipSetBytes(hash, bytes.data(), bytes.size());
}

std::vector<std::string> CatalogueModelFiles(const std::string& catalogueText) {
    std::map<std::string, std::string> models; // by type name
    const CatalogueRecordSink keep = KeepModelFile(models);
    CatalogueReader reader;
    std::vector<CatalogueField> leftovers;
    FeedCatalogue(reader, catalogueText.data(), catalogueText.size(), keep);
    FinishCatalogue(reader, keep, leftovers);
    return InNameOrder(models);
}

bool HashShipSet(const std::string& folder, uint64_t& set, std::string& reason) {
    SetHashing hashing;
    hashing.folder = folder;
    std::vector<std::string> models, textures, none;
    if (!HashCatalogue(hashing, models, reason))
        return false;
    for (const std::string& model : models) {
        // A model named again names the same textures, all counted already.
        if (!hashing.walked.insert(model).second || !ReadSetFile(hashing, model, true, textures))
            continue;
        for (const std::string& texture : textures)
            if (!texture.empty())
                ReadSetFile(hashing, texture, false, none);
    }
    set = hashing.hash;
    return true;
}
