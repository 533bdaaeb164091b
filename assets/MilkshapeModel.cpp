// Loading a MilkShape 3D file: one whole-file read, the pure parse, then the textures.
#include "FileBytes.h"
#include "MilkshapeParse.h"
#include "Model.h"

bool MilkshapeModel::load(const char* path) {
    std::vector<unsigned char> bytes;
    if (!ReadFileBytes(path, bytes))
        return false;
    std::string reason; // the game reports a failed load in its own words
    if (!ParseMilkshape(bytes.data(), bytes.size(), path, *this, reason))
        return false;
    loadTextures();
    return true;
}
