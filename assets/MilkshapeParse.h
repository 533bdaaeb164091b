// MilkShape 3D file bytes into a model's arrays: no file access and no GL.
#pragma once

#include <cstddef>
#include <string>

class Model;

// Reads the MilkShape 3D file held in `data` into `model`'s arrays and counts. Checks the
// identifier "MS3D000000" and a version above 2, then reads the vertex, triangle, group and
// material sections (whatever follows them is ignored), stores each t as 1 - t and composes each
// texture path against `modelPath`; material textures stay 0. False when the bytes end before
// their counts say or an index points past its array: then `model` is untouched and `reason`
// says what is wrong and where ("triangle 12 names vertex 900 of 120").
bool ParseMilkshape(const unsigned char* data, size_t size, const std::string& modelPath,
                    Model& model, std::string& reason);
