// SPDX-License-Identifier: MIT
// The decisions of `shipyard check`, as pure functions from what the readers made of a folder
// to findings: no file access here.
#pragma once

#include "CatalogueFile.h"
#include "Findings.h"
#include "LoadShipCatalogue.h"
#include "SoundFile.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The largest texture side every OpenGL 3.0 implementation must take. OpenGL 1.1 promises only
// 64, which no card of the last twenty-five years is held to; 1024 is what can be counted on
// everywhere the game runs, and the default textures keep well under it.
constexpr uint32_t GuaranteedTextureSide = 1024;

// A type the catalogue keeps: the first record under its name.
struct KeptType {
    int nameLine = 0;
    std::string modelFile;
    int modelLine = 0;
};

// Findings about one record. `firstLine` is the line of the record the game keeps under the same
// name, or 0 when this record is that one; later records are ignored by the game, so only their
// cut lines are worth a word.
void RecordFindings(const CatalogueRecord& record, int firstLine, std::vector<Finding>& out);

// Fewer than four fields at the end of the file.
void LeftoverFindings(const std::vector<CatalogueField>& leftovers, std::vector<Finding>& out);

// More types than the game loads; types the scenario needs and does not find (case matters, so a
// name that differs only in case is pointed out), and types it never uses.
void TypeFindings(const std::map<std::string, KeptType>& types, std::vector<Finding>& out);

// The scenario needs this type.
bool IsScenarioType(const std::string& name);

// True when a texture path composed for the model at `modelPath` holds a backslash that the
// modder wrote, not just the one that joins the model's folder to a ".\NAME" texture name.
bool HasOwnBackslash(const std::string& modelPath, const std::string& textureFile);

// Size and origin findings for a texture that decoded, reported against `file`.
void TextureImageFindings(const std::string& file, uint32_t width, uint32_t height, bool topLeft,
                          std::vector<Finding>& out);

// The sound file for `which` cannot be played, for `reason` (missing, unreadable, not a WAV the
// game takes): the game goes on, but that event is silent.
void SoundFindings(GameSound which, const std::string& reason, std::vector<Finding>& out);
