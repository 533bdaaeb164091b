// SPDX-License-Identifier: MIT
// The catalogue loader: the text pass over alukset.txt, then the model pass in name order.
#include "LoadShipCatalogue.h"

#include "CatalogueFile.h"
#include "FileBytes.h"
#include "Model.h"
#include "Printable.h"
#include "ShipCatalogue.h"

#include <algorithm>
#include <cstring>
#include <iostream>

namespace {

ShipType MakeShipType(const CatalogueRecord& record) {
    ShipType type;
    size_t length = std::min(record.modelFile.size(), sizeof type.modelFile - 1);
    std::memcpy(type.modelFile, record.modelFile.data(), length);
    type.modelFile[length] = '\0';
    for (const CatalogueFieldRow& row : CatalogueFields)
        if (row.number)
            type.*ShipTypeNumbers[row.index] = record.*row.number;
    return type;
}

// Each record goes into the catalogue as soon as it is read; the first under a name wins.
void InsertRecord(const CatalogueRecord& record) {
    if (!shipCatalogue.Find(record.name))
        shipCatalogue.Insert(record.name, MakeShipType(record));
}

// A catalogue of more types than the game loads is refused whole.
bool WithinLimit(std::string& reason) {
    if (shipCatalogue.Size() <= MaxShipTypes)
        return true;
    reason = "it names " + std::to_string(shipCatalogue.Size()) + " ship types, more than the " +
             std::to_string(MaxShipTypes) + " the game loads";
    return false;
}

// The text pass. A file that is not there or cannot be opened is "missing"; one that is there
// but cannot be used (a named pipe, a directory, more than memory holds) says why.
bool ReadCatalogue() {
    DataFile file;
    std::string reason;
    std::vector<CatalogueField> leftovers; // dropped without a message
    if (!OpenDataFile(CatalogueFileName, file, reason) && !file.notRegularFile) {
        std::cout << "ERROR: alukset.txt missing, no ships loaded" << std::endl;
        return false;
    }
    if (file.notRegularFile || !ReadCatalogueFile(file, InsertRecord, leftovers, reason) ||
        !WithinLimit(reason)) {
        std::cout << "ERROR: alukset.txt cannot be used: " << reason << std::endl;
        return false;
    }
    return true;
}

} // namespace

bool ReadShipTypes(const std::string& path, std::string& reason) {
    std::vector<CatalogueField> leftovers; // dropped without a message
    return ReadCatalogueFile(path, InsertRecord, leftovers, reason) && WithinLimit(reason);
}

bool LoadShipCatalogue() {
    if (!ReadCatalogue())
        return false;
    for (auto& entry : shipCatalogue.entries) {
        ShipType& type = entry.second;
        // Attached before loading, so a model that fails still belongs to its entry.
        type.model = new MilkshapeModel;
        if (!type.model->load(type.modelFile)) {
            std::cout << "ERROR: loading a model file " << Printable(type.modelFile) << std::endl;
            return false;
        }
        type.model->buildDisplayList();
    }
    return true;
}
