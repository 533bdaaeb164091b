// SPDX-License-Identifier: MIT
// Loading a MilkShape 3D file: the file read as far as the parse reaches, then the textures.
#include "FileBytes.h"
#include "MilkshapeParse.h"
#include "Model.h"

#include <vector>

bool ReadMilkshapeFile(const std::string& path, Model& model, std::string& reason) {
    DataFile file;
    if (!OpenDataFile(path, file, reason))
        return false;
    std::vector<unsigned char> bytes;
    return ParseMilkshapeFrom(ReadAsNeeded(file, bytes), path, model, reason);
}

bool MilkshapeModel::load(const char* path) {
    std::string reason; // the game reports a failed load in its own words
    if (!path || !ReadMilkshapeFile(path, *this, reason))
        return false;
    loadTextures();
    return true;
}
