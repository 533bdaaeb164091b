// SPDX-License-Identifier: MIT
// MilkShape 3D files for tests, fuzz seeds and benchmarks, written by the shipyard's own writer
// (Ms3dFile, WriteMs3dFile), and a flat square to put in them.
#pragma once

#include "Ms3dWriter.h"

#include <cstdint>

// One flat square of two triangles facing +z, from (x0, y0) to (x1, y1) at height z, drawn by
// one group with material `material`. Appends its vertices, triangles and group to `file`.
inline void AddSquare(Ms3dFile& file, float x0, float y0, float x1, float y1, float z,
                      uint8_t material) {
    const uint16_t v = uint16_t(file.vertices.size()), t = uint16_t(file.triangles.size());
    file.vertices.insert(file.vertices.end(), {{x0, y0, z}, {x1, y0, z}, {x1, y1, z}, {x0, y1, z}});
    Ms3dFileTriangle a, b;
    a.vertices[0] = v, a.vertices[1] = uint16_t(v + 1), a.vertices[2] = uint16_t(v + 2);
    b.vertices[0] = v, b.vertices[1] = uint16_t(v + 2), b.vertices[2] = uint16_t(v + 3);
    file.triangles.insert(file.triangles.end(), {a, b});
    file.groups.push_back({{t, uint16_t(t + 1)}, material});
}
