// Stand-ins for the readers' interfaces that the check needs (paths actually opened, reasons,
// streamed catalogue fields with their lines), until the readers provide them.
#pragma once

#include "CatalogueFile.h"
#include "TextureImage.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class Model;

struct CatalogueField {
    std::string text; // after the comment cut, never empty
    int line = 0;     // 1-based
    bool cut = false; // the line was longer than MaxCatalogueLine and lost its end
};

struct FieldRecord {
    std::string name, modelFile;
    float thrust = 0, turnRate = 0;
    CatalogueField fields[4];
};

bool IsCatalogueNumber(const std::string& field);
bool ReadCatalogueFile(const std::string& path,
                       const std::function<void(const FieldRecord&)>& onRecord,
                       std::vector<CatalogueField>& leftovers, std::string& reason);

std::string DataFilePath(const std::string& path);
// True when the file opens as a regular file; else the reason.
bool OpensAsDataFile(const std::string& path, std::string& reason);
bool ReadMilkshapeFile(const std::string& path, Model& model, std::string& reason);
bool ReadTextureFile(const std::string& path, TextureImage& image, std::string& reason,
                     uint32_t largestSide, bool& topLeftOrigin);
