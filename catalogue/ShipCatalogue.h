// SPDX-License-Identifier: MIT
// Ship types and the one catalogue that holds them under their names.
#pragma once

#include "CatalogueFile.h"

#include <map>
#include <string>

class Model;

struct ShipType {
    char modelFile[MaxCatalogueLine + 1] = {}; // path of the model file, as long as a line
    float thrust = 0;                          // units per second squared
    float turnRate = 0;                        // degrees per second
    Model* model = nullptr; // owned by the catalogue entry; deleted only by Clear
};

// Where each number field of the catalogue (CatalogueFields) is kept in a ShipType, by the field's
// index; null for a text field. Loading, a demo's header and the replay's check follow it.
inline constexpr float ShipType::*ShipTypeNumbers[CatalogueFieldCount] = {
    nullptr, nullptr, &ShipType::thrust, &ShipType::turnRate};
static_assert(HasEveryNumber(ShipTypeNumbers), "a ShipType keeps every number of a record");

// Names are unique, case-sensitive and ordered by their bytes as unsigned values, which is how
// std::string compares them.
struct ShipCatalogue {
    std::map<std::string, ShipType> entries;

    // False, changing nothing, when the name is taken: the first record under a name wins.
    bool Insert(const std::string& name, const ShipType& type);
    // The entry under exactly this name, or null.
    const ShipType* Find(const std::string& name) const;
    // Deletes every entry's model (in name order), then removes every entry.
    void Clear();
    size_t Size() const { return entries.size(); }
    bool Empty() const { return entries.empty(); }
};

extern ShipCatalogue shipCatalogue;
