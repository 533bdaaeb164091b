// The built `shipyard model` over the sample files written by others and over hand-built files:
// the JSON agrees with a separate reading of the bytes, strings are escaped, bad files refused.
#include "Ms3dBuilder.h"
#include "ShipyardRun.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const char* const AcceptedSamples[] = {"Wuson.ms3d", "jeep1.ms3d", "twospheres.ms3d",
                                       "twospheres_withmats.ms3d"};

bool HavePython() {
    return std::system("command -v python3 >/dev/null 2>&1") == 0;
}

std::string WriteScratch(const std::string& name, const std::string& text) {
    std::string path = testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

std::string WriteScratch(const std::string& name, const std::vector<unsigned char>& bytes) {
    return WriteScratch(name, std::string(bytes.begin(), bytes.end()));
}

// With python3, the JSON is parsed and compared value by value with the checker's own reading
// of the file; without it, the output is at least checked for its keys.
void ExpectAgreesWithFile(const std::string& model, const std::string& json) {
    if (HavePython()) {
        const std::string path = WriteScratch("shipyard_model.json", json);
        const std::string command =
            "python3 shipyard/check_model_json.py " + ShellQuoted(model) + " " + ShellQuoted(path);
        EXPECT_EQ(std::system(command.c_str()), 0) << model;
        return;
    }
    for (const char* key :
         {"\"vertexCount\": ", "\"triangleCount\": ", "\"meshCount\": ", "\"materialCount\": ",
          "\"vertices\": [", "\"triangles\": [", "\"meshes\": [", "\"materials\": ["})
        EXPECT_NE(json.find(key), std::string::npos) << key;
}

TEST(ShipyardModel, SampleFilesAgreeWithTheirBytes) {
    for (const char* name : AcceptedSamples) {
        SCOPED_TRACE(name);
        const std::string path = std::string(std::getenv("SAMPLES")) + "/ms3d/" + name;
        const ShipyardRun run = RunShipyard("model " + ShellQuoted(path));
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        ExpectAgreesWithFile(path, run.out);
    }
}

TEST(ShipyardModel, RefusesBadFilesWithOneLine) {
    RawMs3d f;
    AddSquare(f, 0, 0, 1, 1, 0, 0xff);
    std::vector<unsigned char> cut = Ms3dBytes(f);
    cut.resize(40);
    f.triangles[1].vertices[2] = 9;
    const std::string samples = std::string(std::getenv("SAMPLES")) + "/ms3d/";
    const struct {
        std::string path, reason;
    } cases[] = {
        {samples + "InvalidMaterialIndex.ms3d", "group 0 names material 1 of 1"},
        {WriteScratch("shipyard_bad_index.ms3d", Ms3dBytes(f)), "triangle 1 names vertex 9 of 4"},
        {WriteScratch("shipyard_cut.ms3d", cut), "the file ends inside vertex 1 of 4"},
        {samples + "jeep1.jpg", "not a MilkShape 3D file (no identifier MS3D000000)"},
        {testing::TempDir() + "no such file.ms3d", "cannot read the file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const ShipyardRun run = RunShipyard("model " + ShellQuoted(c.path));
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "shipyard: " + c.path + ": " + c.reason + "\n");
    }
}

TEST(ShipyardModel, EscapesTextureNamesAndKeepsFloatsExact) {
    RawMs3d f;
    AddSquare(f, 0.1f, 1e-7f, 16777217.0f, -3.4028235e38f, 0, 0);
    f.triangles[0].t[0] = 0.1f;
    f.materials.resize(2);
    f.materials[0].texture = "q\"b\\c\x01\t\xe9\x7f.tga";
    f.materials[1].texture = ".\\hull.tga";
    const std::string path = WriteScratch("shipyard_names.ms3d", Ms3dBytes(f));
    const ShipyardRun run = RunShipyard("model " + ShellQuoted(path));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(R"("textureFile": "q\"b\\c\u0001\u0009\u00e9\u007f.tga")"),
              std::string::npos)
        << run.out;
    const std::string dir = testing::TempDir().substr(0, testing::TempDir().size() - 1);
    EXPECT_NE(run.out.find("\"textureFile\": \"" + dir + "\\\\hull.tga\""), std::string::npos);
    // 16777217 is not a float: it is held as 16777216. 1 - 0.1f is 0.9 as a float.
    EXPECT_NE(run.out.find("[0.100000001, 1.00000001e-07, 0]"), std::string::npos);
    EXPECT_NE(run.out.find("[16777216, -3.40282347e+38, 0]"), std::string::npos);
    EXPECT_NE(run.out.find("\"t\": [0.899999976, 1, 1]"), std::string::npos);
    ExpectAgreesWithFile(path, run.out);
}

} // namespace
