// SPDX-License-Identifier: MIT
// MilkShape 3D file bytes into a model's arrays: the parse has no file access and no GL; the
// file step over it reads no more of a file than the parse reaches.
#pragma once

#include "ByteReader.h"
#include "PieceReader.h"

#include <cstddef>
#include <string>
#include <vector>

class Model;

// Reads the MilkShape 3D file held in `data` into `model`'s arrays and counts. Checks the
// identifier "MS3D000000" and a version above 2, then reads the vertex, triangle, group and
// material sections (whatever follows them is ignored), stores each t as 1 - t and composes each
// texture path against `modelPath`; material textures stay 0. False when the bytes end before
// their counts say, an index points past its array or the arrays cannot be allocated: then
// `model` is untouched and `reason` says what is wrong and where ("triangle 12 names vertex 900
// of 120", "file ends inside the triangles: 1440 bytes needed, 1201 left").
bool ParseMilkshape(const unsigned char* data, size_t size, const std::string& modelPath,
                    Model& model, std::string& reason);

// The same parse over bytes that `more` fetches as the parse reaches them, from nothing read.
bool ParseMilkshapeFrom(const MoreBytes& more, const std::string& modelPath, Model& model,
                        std::string& reason);

// The file step, with no GL: opens `path` as OpenDataFile does (never waiting on a named pipe or
// device) and parses it, reading only the bytes its header and counts need, so that whatever
// follows the material section is never read. False with the system's or the parser's reason.
bool ReadMilkshapeFile(const std::string& path, Model& model, std::string& reason);

// The texture file of each material of the model `in` reads, in order, as ParseMilkshape composes
// them against `modelPath` (empty for a material without one), taking the file front to back and
// holding no more of it than one record at a time. False, with a reason of its own, for exactly
// the bytes ParseMilkshape refuses (an out-of-memory aside); `textures` is then left as it was.
// Whatever follows the materials is not read.
bool MilkshapeTextureFiles(PieceReader& in, const std::string& modelPath,
                           std::vector<std::string>& textures, std::string& reason);
