// SPDX-License-Identifier: MIT
// Filling the ship catalogue from alukset.txt and loading each type's model.
#pragma once

#include <string>

// The catalogue's file name, in the folder the game plays.
constexpr const char* CatalogueFileName = "alukset.txt";

// Reads alukset.txt from the working directory into the (empty) catalogue, then loads and
// compiles every type's model in name order, stopping at the first that fails. Needs the GL
// context. False, after one ERROR line on standard output, when the file cannot be read or a
// model fails to load.
bool LoadShipCatalogue();

// The text pass alone: the types of the catalogue file at `path`, without models, into the
// (empty) catalogue. False, writing nothing, with the reason when the file cannot be read.
bool ReadShipTypes(const std::string& path, std::string& reason);
