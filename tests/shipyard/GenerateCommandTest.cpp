// SPDX-License-Identifier: MIT
// The built `shipyard generate`: the same bytes on every run, and a data set that the game's own
// readers accept, with ships of playable sizes and handling whose every face looks outward.
#include "CatalogueFile.h"
#include "FileBytes.h"
#include "MilkshapeParse.h"
#include "Model.h"
#include "ShipyardRun.h"
#include "SoundFile.h"
#include "TextureImage.h"
#include "Vector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <set>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Generates into a fresh folder of this process, so that runs side by side never share one.
std::string Generate(const std::string& name) {
    const std::string dir = testing::TempDir() + "generate_test_" + std::to_string(getpid()) + name;
    fs::remove_all(dir);
    const ShipyardRun run = RunShipyard("generate " + ShellQuoted(dir));
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
        ASSERT_TRUE(ReadMilkshapeFile(path, model, reason)) << path << ": " << reason;
    }
};
std::string Generated::dir;
std::map<std::string, CatalogueRecord> Generated::records;

TEST_F(Generated, WritesTheSameBytesOnEveryRun) {
    const std::string again = Generate("again");
    const auto first = FilesUnder(dir), second = FilesUnder(again);
    fs::remove_all(again);
    // The catalogue, a model and a texture for each type it lists, and the sounds.
    EXPECT_EQ(first.size(), 1 + 2 * records.size() + GameSoundCount);
    EXPECT_TRUE(first == second) << "the files differ between runs";
}

TEST(GenerateCommand, RefusesAMissingArgumentAndAnUnwritableFolder) {
    EXPECT_EQ(RunShipyard("generate").status, 2);
    const std::string file = WriteScratchFile("generate_test_plain_file", {'x'});
    const ShipyardRun run = RunShipyard("generate " + ShellQuoted(file + "/data"));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("shipyard: ", 0), 0u) << run.err;
}

// Nothing is written over without --force. With it every file is written again whole: a file
// that cannot be written is refused and the old one stays as it was.
TEST(GenerateCommand, WritesOverFilesOnlyWhenForced) {
    const std::string dir = Generate("forced"), catalogue = dir + "/alukset.txt";
    const auto fresh = FilesUnder(dir);
    std::ofstream(catalogue) << "mine\n";
    ShipyardRun run = RunShipyard("generate " + ShellQuoted(dir));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "shipyard: " + catalogue + ": exists already; give --force to write over it\n");
    EXPECT_EQ(ReadWholeFile(catalogue), "mine\n");

    EXPECT_EQ(RunShipyard("generate --force " + ShellQuoted(dir)).status, 0);
    EXPECT_TRUE(FilesUnder(dir) == fresh);

    // Files may grow to 200 KiB (400 blocks of 512 bytes), so the largest texture cannot be
    // written: the signal is ignored and the write fails instead.
    run = RunShipyard("generate --force " + ShellQuoted(dir), "trap '' XFSZ; ulimit -f 400;");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "shipyard: " + dir + "/models/Tarvesh4.tga: File too large\n");
    EXPECT_TRUE(FilesUnder(dir) == fresh)
        << "a file was left half-written or under a temporary name";
    fs::remove_all(dir);
}

// The six types of the scenario. The player outruns every chaser (more thrust) and the chasers
// close in (thrust above 0); a chaser turning at exactly 30 would be drawn everywhere.
TEST_F(Generated, CatalogueNamesTheSixTypesWithAPlayableChase) {
    std::set<std::string> names;
    for (const auto& entry : records)
        names.insert(entry.first);
    EXPECT_EQ(names, (std::set<std::string>{"brightfin", "Tarvesh4", "Quessal", "Maradyne",
                                            "Umbrek", "Bullet"}));
    const CatalogueRecord& player = records.at("brightfin");
    EXPECT_GE(player.turnRate, 90.0f);
    for (const char* name : {"Quessal", "Maradyne", "Umbrek"}) {
        const CatalogueRecord& chaser = records.at(name);
        EXPECT_GT(chaser.thrust, 0.0f) << name;
        EXPECT_GT(player.thrust, 1.5f * chaser.thrust) << name;
        EXPECT_NE(chaser.turnRate, 30.0f) << name;
    }
}

// Ships 2 to 4 units nose to tail along +x and no taller than long, the shot well under 1, the
// station about 100 across.
TEST_F(Generated, SizesFitTheCameraAndTheHitDistance) {
    const struct {
        const char* type;
        float shortest, longest, narrowest;
    } cases[] = {{"brightfin", 2, 4, 0}, {"Quessal", 2, 4, 0},      {"Maradyne", 2, 4, 0},
                 {"Umbrek", 2, 4, 0},    {"Bullet", 0.2f, 0.8f, 0}, {"Tarvesh4", 90, 115, 90}};
    for (const auto& c : cases) {
        MilkshapeModel model;
        ReadModel(c.type, model);
        std::array<float, 3> low{1e30f, 1e30f, 1e30f}, high{-1e30f, -1e30f, -1e30f};
        for (const ModelVertex& v : model.vertices)
            for (int a = 0; a < 3; ++a)
                low[a] = std::min(low[a], v.position[a]),
                high[a] = std::max(high[a], v.position[a]);
        const float length = high[0] - low[0], width = high[1] - low[1];
        EXPECT_GE(length, c.shortest) << c.type;
        EXPECT_LE(length, c.longest) << c.type;
        EXPECT_GE(width, c.narrowest) << c.type;
        EXPECT_LE(width, c.longest) << c.type;
        EXPECT_LT(high[2] - low[2], length) << c.type << " is taller than long";
        if (std::string(c.type) == "Tarvesh4") {
            EXPECT_LT(high[2], 25.0f) << "placed 30 below the plane, it must stay under the ships";
        }
    }
}

using Vec = std::array<double, 3>;

Vec At(const Model& m, int32_t vertex) {
    const float* p = m.vertices[vertex].position;
    return {p[0], p[1], p[2]};
}

Vec Minus(Vec a, Vec b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

// a . (b x c): six times the signed volume of the tetrahedron (0, a, b, c).
double Triple(Vec a, Vec b, Vec c) {
    return a[0] * (b[1] * c[2] - b[2] * c[1]) + a[1] * (b[2] * c[0] - b[0] * c[2]) +
           a[2] * (b[0] * c[1] - b[1] * c[0]);
}

int Root(std::vector<int>& parent, int i) {
    while (parent[i] != i)
        i = parent[i] = parent[parent[i]];
    return i;
}

// With back faces culled, a face wound the wrong way vanishes. Every hull must be closed and
// wound one way throughout (each edge walked once in each direction), and each connected piece
// must enclose a positive volume, so that all its faces look outward. Corner normals must lean
// toward their face's and be of unit length: GL does not normalise them.
TEST_F(Generated, EveryFaceLooksOutwardWithUnitCornerNormals) {
    for (const auto& entry : records) {
        const std::string& type = entry.first;
        MilkshapeModel model;
        ReadModel(type, model);
        ASSERT_GT(model.triangleCount, 0) << type;
        std::map<std::pair<int32_t, int32_t>, int> walks;     // directed edge: times walked
        std::map<std::pair<int32_t, int32_t>, int> firstFace; // undirected edge: a face on it
        std::vector<int> parent(model.triangles.size());
        std::vector<double> volume(parent.size());
        for (int i = 0; i < int(parent.size()); ++i) {
            parent[i] = i;
            const int32_t* v = model.triangles[i].vertexIndices;
            const Vec a = At(model, v[0]), b = At(model, v[1]), c = At(model, v[2]);
            volume[i] = Triple(a, b, c);
            for (int k = 0; k < 3; ++k) {
                const float* n = model.triangles[i].normals[k];
                const Vec corner{n[0], n[1], n[2]};
                EXPECT_NEAR(Length(Vector3(n[0], n[1], n[2])), 1.0f, 1e-4f) << type;
                EXPECT_GT(Triple(corner, Minus(b, a), Minus(c, a)), 0.0) << type << " " << i;
                ++walks[{v[k], v[(k + 1) % 3]}];
                const int other =
                    firstFace.emplace(std::minmax(v[k], v[(k + 1) % 3]), i).first->second;
                parent[Root(parent, i)] = Root(parent, other);
            }
        }
        for (const auto& [edge, times] : walks) {
            const auto back = walks.find({edge.second, edge.first});
            ASSERT_EQ(times, back == walks.end() ? 0 : back->second)
                << type << " is open or inconsistently wound at the edge from vertex " << edge.first
                << " to " << edge.second;
        }
        std::map<int, double> pieces;
        for (size_t i = 0; i < parent.size(); ++i)
            pieces[Root(parent, int(i))] += volume[i];
        for (const auto& [piece, sum] : pieces)
            EXPECT_GT(sum, 0.0) << type << ": the piece holding triangle " << piece
                                << " is inside out";
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
        const std::string expected = dir + "/models\\" + entry.first + ".tga";
        ASSERT_EQ(files, std::set<std::string>{expected}) << entry.first;
        std::vector<unsigned char> bytes;
        std::string reason;
        ASSERT_TRUE(ReadFileBytes(expected, bytes, reason)) << expected << ": " << reason;
        TextureImage image;
        ASSERT_TRUE(DecodeTextureImage(bytes.data(), bytes.size(), image, reason)) << reason;
        EXPECT_EQ(image.width & (image.width - 1), 0u) << entry.first;
        EXPECT_EQ(image.height & (image.height - 1), 0u) << entry.first;
        forms.insert({bytes[2], int(image.bitsPerPixel)});
        std::set<uint32_t> colours;
        for (size_t i = 0; i + 2 < image.pixels.size(); i += image.bitsPerPixel / 8)
            colours.insert(uint32_t(image.pixels[i]) << 16 | image.pixels[i + 1] << 8 |
                           image.pixels[i + 2]);
        EXPECT_GE(colours.size(), 16u) << entry.first << " is nearly a flat fill";
    }
    EXPECT_EQ(forms, (std::set<std::pair<int, int>>{{2, 24}, {2, 32}, {10, 24}, {10, 32}}));
}

} // namespace
