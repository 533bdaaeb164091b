// SPDX-License-Identifier: MIT
// Texture paths relative to the model file, composed as text with the separators as written.
#include "ModelPath.h"

bool DirectoryPrefix(const std::string& modelPath, std::string& prefix) {
    size_t separator = modelPath.find_last_of("\\/");
    if (separator == std::string::npos) {
        prefix.clear();
        return false;
    }
    prefix.assign(modelPath, 0, separator);
    return true;
}

std::string TexturePath(const std::string& modelPath, const std::string& textureName) {
    if (textureName.compare(0, 2, ".\\") != 0)
        return textureName;
    std::string prefix;
    if (!DirectoryPrefix(modelPath, prefix))
        return textureName.substr(2);
    return prefix + textureName.substr(1);
}
