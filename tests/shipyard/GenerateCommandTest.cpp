// The built `shipyard generate`: the same bytes on every run, and a data set that the game's own
// readers accept, with ships of playable sizes and handling whose every face looks outward.
#include "CatalogueFile.h"
#include "FileBytes.h"
#include "MilkshapeParse.h"
#include "Model.h"
#include "ShipyardRun.h"
#include "TextureImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <set>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const char* const Chasers[] = {"Quessal", "Maradyne", "Umbrek"};

// A folder of this process under the test's scratch space, so that runs side by side never share
// one.
std::string Scratch(const std::string& name) {
    return testing::TempDir() + "generate_test_" + std::to_string(getpid()) + "_" + name;
}

// Generates into a fresh scratch folder.
std::string Generate(const std::string& name) {
    std::string dir = Scratch(name);
    fs::remove_all(dir);
    ShipyardRun run = RunShipyard("generate " + ShellQuoted(dir));
    EXPECT_EQ(run.status, 0) << run.err;
    return dir;
}

std::map<std::string, std::string> FilesUnder(const std::string& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), dir).string()] = ReadWholeFile(entry.path().string());
    return files;
}

struct Generated : testing::Test {
    static void SetUpTestSuite() {
        dir = Generate("data");
        for (const CatalogueRecord& r : ParseCatalogue(ReadWholeFile(dir + "/alukset.txt")))
            records[r.name] = r;
    }
    static void TearDownTestSuite() { fs::remove_all(dir); }
    static std::string dir;
    static std::map<std::string, CatalogueRecord> records;

    // The type's model, read by the game's parser from the path the catalogue gives.
    static void ReadModel(const std::string& type, MilkshapeModel& model) {
        std::string path = dir + "/" + records.at(type).modelFile, reason;
        std::vector<unsigned char> bytes;
        ASSERT_TRUE(ReadFileBytes(path, bytes)) << path;
        ASSERT_TRUE(ParseMilkshape(bytes.data(), bytes.size(), path, model, reason)) << reason;
    }
};
std::string Generated::dir;
std::map<std::string, CatalogueRecord> Generated::records;

TEST(GenerateCommand, WritesTheSameBytesOnEveryRun) {
    auto first = FilesUnder(Generate("first"));
    auto second = FilesUnder(Generate("second"));
    fs::remove_all(Scratch("first"));
    fs::remove_all(Scratch("second"));
    EXPECT_EQ(first.size(), 13u); // the catalogue, and a model and a texture for six types
    ASSERT_EQ(first.size(), second.size());
    for (const auto& [name, bytes] : first) {
        ASSERT_TRUE(second.count(name)) << name;
        EXPECT_TRUE(bytes == second[name]) << name << " differs between runs";
    }
}

TEST(GenerateCommand, RefusesAMissingArgumentAndAnUnwritableFolder) {
    EXPECT_EQ(RunShipyard("generate").status, 1);
    std::string file = Scratch("plain_file");
    std::ofstream(file) << "not a folder";
    ShipyardRun run = RunShipyard("generate " + ShellQuoted(file + "/data"));
    fs::remove(file);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(("\n" + run.err).find("\nshipyard: "), std::string::npos) << run.err;
}

TEST_F(Generated, CatalogueNamesTheSixTypesOfTheScenario) {
    std::set<std::string> names;
    for (const auto& entry : records)
        names.insert(entry.first);
    EXPECT_EQ(names, (std::set<std::string>{"brightfin", "Tarvesh4", "Quessal", "Maradyne",
                                            "Umbrek", "Bullet"}));
    for (const auto& [name, record] : records)
        EXPECT_TRUE(fs::is_regular_file(dir + "/" + record.modelFile)) << record.modelFile;
}

// The player outruns every chaser (more thrust) and the chasers close in (thrust above 0); a
// chaser turning at exactly 30 would be drawn everywhere.
TEST_F(Generated, HandlingMakesAPlayableChase) {
    const CatalogueRecord& player = records.at("brightfin");
    EXPECT_GE(player.turnRate, 90.0f);
    for (const char* name : Chasers) {
        const CatalogueRecord& chaser = records.at(name);
        EXPECT_GT(chaser.thrust, 0.0f) << name;
        EXPECT_GT(player.thrust, 1.5f * chaser.thrust) << name;
        EXPECT_NE(chaser.turnRate, 30.0f) << name;
    }
}

struct Extent {
    float low[3] = {1e30f, 1e30f, 1e30f}, high[3] = {-1e30f, -1e30f, -1e30f};
    float Size(int axis) const { return high[axis] - low[axis]; }
};

Extent ExtentOf(const Model& model) {
    Extent e;
    for (const ModelVertex& v : model.vertices)
        for (int a = 0; a < 3; ++a) {
            e.low[a] = std::min(e.low[a], v.position[a]);
            e.high[a] = std::max(e.high[a], v.position[a]);
        }
    return e;
}

// Ships 2 to 4 units nose to tail along +x, the shot well under 1, the station about 100 across.
TEST_F(Generated, SizesFitTheCameraAndTheHitDistance) {
    struct Range {
        const char* type;
        float shortest, longest;
    };
    for (Range r : {Range{"brightfin", 2, 4}, Range{"Quessal", 2, 4}, Range{"Maradyne", 2, 4},
                    Range{"Umbrek", 2, 4}, Range{"Bullet", 0.2f, 0.8f}}) {
        MilkshapeModel model;
        ReadModel(r.type, model);
        Extent e = ExtentOf(model);
        EXPECT_GE(e.Size(0), r.shortest) << r.type;
        EXPECT_LE(e.Size(0), r.longest) << r.type;
        EXPECT_LE(e.Size(1), r.longest) << r.type;
        EXPECT_LT(e.Size(2), e.Size(0)) << r.type << " is taller than long";
    }
    MilkshapeModel station;
    ReadModel("Tarvesh4", station);
    Extent e = ExtentOf(station);
    for (int axis : {0, 1}) {
        EXPECT_GE(e.Size(axis), 90.0f);
        EXPECT_LE(e.Size(axis), 115.0f);
    }
    EXPECT_LT(e.high[2], 25.0f) << "placed 30 below the plane, it must stay under the ships";
}

struct Vec {
    double x, y, z;
};
Vec At(const Model& m, int32_t vertex) {
    const float* p = m.vertices[vertex].position;
    return {p[0], p[1], p[2]};
}
Vec Minus(Vec a, Vec b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec CrossOf(Vec a, Vec b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double DotOf(Vec a, Vec b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

int Root(std::vector<int>& parent, int i) {
    while (parent[i] != i)
        i = parent[i] = parent[parent[i]];
    return i;
}

// With back faces culled, a face wound the wrong way vanishes. Every hull must be closed and
// wound one way throughout (each edge walked once in each direction), and each connected piece
// must enclose a positive volume, so that all its faces look outward. Corner normals must agree
// with their face and be of unit length: GL does not normalise them.
TEST_F(Generated, EveryFaceLooksOutwardWithUnitCornerNormals) {
    for (const auto& entry : records) {
        MilkshapeModel model;
        ReadModel(entry.first, model);
        const int count = model.triangleCount;
        ASSERT_GT(count, 0) << entry.first;
        std::map<std::pair<int32_t, int32_t>, int> walks;     // directed edge: times walked
        std::map<std::pair<int32_t, int32_t>, int> firstFace; // undirected edge: a face on it
        std::vector<int> parent(count);
        for (int i = 0; i < count; ++i) {
            parent[i] = i;
            const ModelTriangle& t = model.triangles[i];
            Vec p0 = At(model, t.vertexIndices[0]);
            Vec n = CrossOf(Minus(At(model, t.vertexIndices[1]), p0),
                            Minus(At(model, t.vertexIndices[2]), p0));
            ASSERT_GT(std::sqrt(DotOf(n, n)), 1e-9) << entry.first << " triangle " << i;
            for (int k = 0; k < 3; ++k) {
                const float* c = t.normals[k];
                Vec corner{c[0], c[1], c[2]};
                EXPECT_NEAR(std::sqrt(DotOf(corner, corner)), 1.0, 1e-4) << entry.first;
                EXPECT_GT(DotOf(n, corner), 0.0) << entry.first << " triangle " << i;
                int32_t a = t.vertexIndices[k], b = t.vertexIndices[(k + 1) % 3];
                ++walks[{a, b}];
                auto edge = std::minmax(a, b);
                auto found = firstFace.emplace(edge, i);
                parent[Root(parent, i)] = Root(parent, found.first->second);
            }
        }
        for (const auto& [edge, times] : walks) {
            auto back = walks.find({edge.second, edge.first});
            ASSERT_EQ(times, back == walks.end() ? 0 : back->second)
                << entry.first << " is open or inconsistently wound at the edge from vertex "
                << edge.first << " to " << edge.second;
        }
        std::map<int, double> volumes;
        for (int i = 0; i < count; ++i) {
            const ModelTriangle& t = model.triangles[i];
            volumes[Root(parent, i)] +=
                DotOf(At(model, t.vertexIndices[0]),
                      CrossOf(At(model, t.vertexIndices[1]), At(model, t.vertexIndices[2])));
        }
        for (const auto& [piece, volume] : volumes)
            EXPECT_GT(volume, 0.0)
                << entry.first << ": the piece holding triangle " << piece << " is inside out";
    }
}

// Each textured material names ".\TYPE.tga", which lands next to the model; the textures decode
// with the game's decoder, have power-of-two sizes and more than a flat fill, and between them
// use both TGA forms and both pixel sizes.
TEST_F(Generated, TexturesDecodeInEveryFormTheReaderTakes) {
    std::set<std::pair<int, int>> forms; // (image type, bits per pixel)
    for (const auto& entry : records) {
        MilkshapeModel model;
        ReadModel(entry.first, model);
        std::set<std::string> files;
        for (const ModelMaterial& m : model.materials) {
            EXPECT_GE(m.shininess, 0.0f);
            EXPECT_LE(m.shininess, 128.0f);
            if (!m.textureFile.empty())
                files.insert(m.textureFile);
        }
        std::string expected = dir + "/models\\" + entry.first + ".tga";
        ASSERT_EQ(files, std::set<std::string>{expected}) << entry.first;

        std::vector<unsigned char> bytes;
        ASSERT_TRUE(ReadFileBytes(expected, bytes)) << expected;
        TextureImage image;
        const char* reason = "";
        ASSERT_TRUE(DecodeTextureImage(bytes.data(), bytes.size(), image, &reason)) << reason;
        EXPECT_EQ(image.width & (image.width - 1), 0u) << entry.first;
        EXPECT_EQ(image.height & (image.height - 1), 0u) << entry.first;
        forms.insert({bytes[2], int(image.bitsPerPixel)});
        size_t step = image.bitsPerPixel / 8;
        std::set<uint32_t> colours;
        for (size_t i = 0; i + 2 < image.pixels.size(); i += step)
            colours.insert(uint32_t(image.pixels[i]) << 16 | image.pixels[i + 1] << 8 |
                           image.pixels[i + 2]);
        EXPECT_GE(colours.size(), 16u) << entry.first << " is nearly a flat fill";
    }
    EXPECT_EQ(forms, (std::set<std::pair<int, int>>{{2, 24}, {2, 32}, {10, 24}, {10, 32}}));
}

} // namespace
