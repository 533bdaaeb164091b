// SPDX-License-Identifier: MIT
// Parsing MilkShape 3D files (no GL) with the game's parser and with assimp's importer, side by
// side on the same bytes in memory: two large generated files and the sample files.
#include "Ms3dBuilder.h"

#include "MilkshapeParse.h"
#include "Model.h"

#include <assimp/Importer.hpp>
#include <assimp/scene.h>
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

// A mesh as a modeller leaves it: triangles over nearby vertices, split into eight groups with
// four materials. The animation header that follows the materials in version 4 files (frame
// rate, current time, frame count, no joints) is appended for assimp, which requires it.
Bytes GeneratedFile(unsigned vertexCount, unsigned triangleCount) {
    std::mt19937 random{vertexCount};
    std::uniform_real_distribution<float> unit(-1, 1);
    Ms3dFile f;
    f.vertices.resize(vertexCount);
    for (Ms3dFileVertex& v : f.vertices)
        v = {unit(random) * 20, unit(random) * 20, unit(random) * 5, 0xff};
    f.triangles.resize(triangleCount);
    for (unsigned i = 0; i < triangleCount; ++i) {
        Ms3dFileTriangle& t = f.triangles[i];
        for (int k = 0; k < 3; ++k) {
            t.vertices[k] = uint16_t((i / 2 + unsigned(k) + random() % 8) % vertexCount);
            t.normals[k][0] = unit(random), t.normals[k][1] = unit(random);
            t.s[k] = unit(random), t.t[k] = unit(random);
        }
    }
    f.groups.resize(8);
    for (unsigned i = 0; i < triangleCount; ++i)
        f.groups[i * 8 / triangleCount].triangles.push_back(uint16_t(i));
    for (unsigned g = 0; g < 8; ++g)
        f.groups[g].material = uint8_t(g % 4);
    f.materials.resize(4);
    f.trailer = StillAnimationSection();
    return WriteMs3dFile(f);
}

Bytes SampleFile(const char* name) {
    std::ifstream in(std::string(STARCHASE_SAMPLES) + "/ms3d/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void GameParser(benchmark::State& state, const Bytes& bytes) {
    for (auto _ : state) {
        MilkshapeModel model;
        std::string reason;
        if (!ParseMilkshape(bytes.data(), bytes.size(), "bench/model.ms3d", model, reason)) {
            state.SkipWithError(reason.c_str());
            break;
        }
        benchmark::DoNotOptimize(model.triangles.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}

// The importer is made once; each read replaces the previous scene. No post-processing steps.
void AssimpImporter(benchmark::State& state, const Bytes& bytes) {
    Assimp::Importer importer;
    for (auto _ : state) {
        const aiScene* scene = importer.ReadFileFromMemory(bytes.data(), bytes.size(), 0, "ms3d");
        if (!scene) {
            state.SkipWithError(importer.GetErrorString());
            break;
        }
        benchmark::DoNotOptimize(scene->mMeshes);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}

struct Input {
    std::string name;
    Bytes bytes;
};

std::vector<Input>& Inputs() {
    static std::vector<Input> inputs = {
        {"generated_32767v_32767t", GeneratedFile(32767, 32767)},
        {"generated_60000v_65000t", GeneratedFile(60000, 65000)},
        {"Wuson", SampleFile("Wuson.ms3d")},
        {"jeep1", SampleFile("jeep1.ms3d")},
        {"twospheres", SampleFile("twospheres.ms3d")},
        {"twospheres_withmats", SampleFile("twospheres_withmats.ms3d")},
    };
    return inputs;
}

} // namespace

int main(int argc, char** argv) {
    for (const Input& input : Inputs()) {
        const Bytes* bytes = &input.bytes;
        benchmark::RegisterBenchmark(("game/" + input.name).c_str(), [bytes](benchmark::State& s) {
            GameParser(s, *bytes);
        })->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("assimp/" + input.name).c_str(), [bytes](
                                                                           benchmark::State& s) {
            AssimpImporter(s, *bytes);
        })->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
