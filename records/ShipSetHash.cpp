// SPDX-License-Identifier: MIT
// Hashing a ship set: the pure fold over files, and the files read as the game reads them.
#include "ShipSetHash.h"

#include "CatalogueFile.h"
#include "FileBytes.h"
#include "LoadShipCatalogue.h"
#include "MilkshapeParse.h"
#include "Model.h"

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

// Adds the file the set names `path` once; false when it could not be read.
bool AddFile(uint64_t& hash, std::set<std::string>& added, const std::string& folder,
             const std::string& path, std::vector<unsigned char>& bytes) {
    std::string reason;
    bytes.clear();
    bool read = ReadFileBytes(InFolder(folder, path), bytes, reason);
    if (added.insert(path).second)
        hash = AddToShipSetHash(hash, path, read, bytes);
    return read;
}

} // namespace

uint64_t AddToShipSetHash(uint64_t hash, const std::string& path, bool read,
                          const std::vector<unsigned char>& bytes) {
    hash = AddLength(hash, path.size());
    hash = Add(hash, reinterpret_cast<const unsigned char*>(path.data()), path.size());
    const unsigned char mark = read ? 1 : 0;
    hash = Add(hash, &mark, 1);
    hash = AddLength(hash, bytes.size());
    return Add(hash, bytes.data(), bytes.size());
}

std::vector<std::string> CatalogueModelFiles(const std::string& catalogueText) {
    std::map<std::string, std::string> models; // by type name
    for (const CatalogueRecord& record : ParseCatalogue(catalogueText))
        models.emplace(record.name, record.modelFile);
    std::vector<std::string> files;
    for (const auto& entry : models)
        files.push_back(entry.second);
    return files;
}

bool HashShipSet(const std::string& folder, uint64_t& set, std::string& reason) {
    std::vector<unsigned char> bytes;
    if (!ReadFileBytes(InFolder(folder, CatalogueFileName), bytes, reason))
        return false;
    uint64_t hash = AddToShipSetHash(EmptyShipSetHash, CatalogueFileName, true, bytes);
    std::set<std::string> added;
    for (const std::string& modelFile :
         CatalogueModelFiles(std::string(bytes.begin(), bytes.end()))) {
        if (!AddFile(hash, added, folder, modelFile, bytes))
            continue;
        MilkshapeModel model;
        std::string unread;
        if (!ParseMilkshape(bytes.data(), bytes.size(), modelFile, model, unread))
            continue;
        for (const ModelMaterial& material : model.materials)
            if (!material.textureFile.empty())
                AddFile(hash, added, folder, material.textureFile, bytes);
    }
    set = hash;
    return true;
}
