// SPDX-License-Identifier: MIT
// Where a model's texture files lie: the directory prefix of a model path and the `.\` name rule.
#pragma once

#include <string>

// The model path before its last backslash or forward slash (that separator excluded). False,
// with `prefix` empty, when the path has neither: the model lies in the working directory.
bool DirectoryPrefix(const std::string& modelPath, std::string& prefix);

// The file a material's texture name refers to, for a model read from `modelPath`. A name that
// begins with `.\` lies in the model's directory: the prefix followed by the name less its full
// stop, so the name's own backslash joins them (models\ships + .\hull.tga = models\ships\hull.tga).
// When the model path has no directory the name loses both characters and is taken from the
// working directory. Any other name, empty ones included, is kept as it is.
std::string TexturePath(const std::string& modelPath, const std::string& textureName);
