// The catalogue loader: the text pass over alukset.txt, then the model pass in name order.
#include "LoadShipCatalogue.h"

#include "CatalogueFile.h"
#include "FileBytes.h"
#include "Model.h"
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
    type.thrust = record.thrust;
    type.turnRate = record.turnRate;
    return type;
}

} // namespace

bool ReadShipTypes(const std::string& path) {
    std::vector<unsigned char> bytes;
    if (!ReadFileBytes(path, bytes))
        return false;
    std::string text(bytes.begin(), bytes.end());
    for (const CatalogueRecord& record : ParseCatalogue(text))
        shipCatalogue.Insert(record.name, MakeShipType(record)); // the first under a name wins
    return true;
}

bool LoadShipCatalogue() {
    if (!ReadShipTypes(CatalogueFileName)) {
        std::cout << "ERROR: alukset.txt missing, no ships loaded" << std::endl;
        return false;
    }

    for (auto& entry : shipCatalogue.entries) {
        ShipType& type = entry.second;
        // Attached before loading, so a model that fails still belongs to its entry.
        type.model = new MilkshapeModel;
        if (!type.model->load(type.modelFile)) {
            std::cout << "ERROR: loading a model file " << type.modelFile << std::endl;
            return false;
        }
        type.model->buildDisplayList();
    }
    return true;
}
