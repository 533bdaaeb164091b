// SPDX-License-Identifier: MIT
// Writes the fuzzer's starting MilkShape 3D files into a folder: small valid files that reach
// every section, and a few of the ways a file goes wrong.
// Usage: make_ms3d_seeds DIR
#include "Ms3dBuilder.h"
#include "WholeFile.h"

#include <cstdio>
#include <string>

namespace {

Ms3dFile TwoSquares() {
    Ms3dFile f;
    AddSquare(f, -1, -1, 0, 0, 0, 0);
    AddSquare(f, 0, 0, 1, 1, 0.5f, 0xff);
    f.triangles[0].t[0] = 0.25f;
    f.materials.resize(1);
    f.materials[0].texture = ".\\hull.tga";
    return f;
}

bool Write(const std::string& dir, const char* name, const std::vector<unsigned char>& bytes) {
    std::string reason;
    return WriteWholeFile(dir + "/" + name, bytes, reason);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_ms3d_seeds DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    Ms3dFile empty;
    Ms3dFile emptyGroup = TwoSquares();
    emptyGroup.groups.push_back({{}, 0});
    Ms3dFile longName = TwoSquares();
    longName.materials[0].texture = std::string(128, 'n');
    Ms3dFile oldVersion = TwoSquares();
    oldVersion.version = 2;
    Ms3dFile badVertex = TwoSquares();
    badVertex.triangles[1].vertices[1] = 8;
    Ms3dFile badMaterial = TwoSquares();
    badMaterial.groups[1].material = 1;
    std::vector<unsigned char> cut = WriteMs3dFile(TwoSquares());
    cut.resize(200);
    bool ok = Write(dir, "two_squares.ms3d", WriteMs3dFile(TwoSquares())) &&
              Write(dir, "empty_sections.ms3d", WriteMs3dFile(empty)) &&
              Write(dir, "empty_group.ms3d", WriteMs3dFile(emptyGroup)) &&
              Write(dir, "long_texture_name.ms3d", WriteMs3dFile(longName)) &&
              Write(dir, "version_2.ms3d", WriteMs3dFile(oldVersion)) &&
              Write(dir, "bad_vertex_index.ms3d", WriteMs3dFile(badVertex)) &&
              Write(dir, "bad_material_index.ms3d", WriteMs3dFile(badMaterial)) &&
              Write(dir, "cut_in_triangles.ms3d", cut);
    if (!ok)
        std::fprintf(stderr, "make_ms3d_seeds: cannot write into %s\n", dir.c_str());
    return ok ? 0 : 1;
}
