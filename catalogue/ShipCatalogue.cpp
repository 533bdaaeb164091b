// SPDX-License-Identifier: MIT
// The one ship catalogue: insertion where the first record under a name wins, and Clear.
#include "ShipCatalogue.h"

#include "Model.h"

ShipCatalogue shipCatalogue;

bool ShipCatalogue::Insert(const std::string& name, const ShipType& type) {
    return entries.emplace(name, type).second;
}

const ShipType* ShipCatalogue::Find(const std::string& name) const {
    auto entry = entries.find(name);
    return entry == entries.end() ? nullptr : &entry->second;
}

void ShipCatalogue::Clear() {
    for (auto& entry : entries) {
        delete entry.second.model; // deleting null does nothing: entries without a model pass
        entry.second.model = nullptr;
    }
    entries.clear();
}
