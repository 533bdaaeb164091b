// SPDX-License-Identifier: MIT
// The built `shipyard model` over the sample files written by others and over a hand-built file:
// the JSON agrees with a separate reading of the bytes (check_model_json.py, run by python3),
// and bad files are refused with one line.
#include "Ms3dBuilder.h"
#include "ShipyardRun.h"
#include "TgaSamples.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

namespace {

// Scratch names of this process: other test programs may run side by side.
std::string Own(const std::string& name) {
    return std::to_string(getpid()) + "_" + name;
}

std::string Sample(const char* name) {
    return std::string(std::getenv("SAMPLES")) + "/ms3d/" + name;
}

// Texture names that need escaping, and floats that only their shortest exact form keeps
// (16777217 is held as 16777216; the largest float; t = 1 - 0.1f).
std::string AwkwardFile() {
    Ms3dFile f;
    AddSquare(f, 0.1f, 1e-7f, 16777217.0f, -3.4028235e38f, 0, 0);
    f.triangles[0].t[0] = 0.1f;
    f.materials.resize(2);
    f.materials[0].texture = "q\"b\\c\x01\t\xe9\x7f.tga";
    f.materials[1].texture = ".\\hull.tga";
    return WriteScratchFile(Own("shipyard_model_awkward.ms3d"), WriteMs3dFile(f));
}

TEST(ShipyardModel, JsonAgreesWithTheBytes) {
    for (const std::string& model :
         {Sample("Wuson.ms3d"), Sample("jeep1.ms3d"), Sample("twospheres.ms3d"),
          Sample("twospheres_withmats.ms3d"), AwkwardFile()}) {
        const ShipyardRun run = RunShipyard("model " + ShellQuoted(model));
        EXPECT_EQ(run.status, 0) << model;
        EXPECT_EQ(run.err, "") << model;
        const std::string json =
            WriteScratchFile(Own("shipyard_model.json"), {run.out.begin(), run.out.end()});
        const std::string check =
            "python3 shipyard/check_model_json.py " + ShellQuoted(model) + " " + ShellQuoted(json);
        EXPECT_EQ(std::system(check.c_str()), 0) << model;
    }
}

// Each material says what the game's texture step makes of its texture: the path opened (here
// with the backslash of ".\\" read as '/') and the image's size, or why there is none.
TEST(ShipyardModel, SaysWhatEachTextureResolvesTo) {
    const std::string folder = Own("shipyard_model_textures"), dir = testing::TempDir() + folder;
    std::filesystem::create_directories(dir);
    WriteScratchFile(folder + "/hull.tga", Tga(Uncompressed, 2, 1, 24, Bytes(6)));
    Ms3dFile f;
    AddSquare(f, 0, 0, 1, 1, 0, 0);
    f.materials.resize(3);
    f.materials[0].texture = ".\\hull.tga";
    f.materials[1].texture = "nowhere.tga";
    const std::string model = WriteScratchFile(folder + "/m.ms3d", WriteMs3dFile(f));
    const ShipyardRun run = RunShipyard("model " + ShellQuoted(model));
    ASSERT_EQ(run.status, 0) << run.err;
    for (const std::string& texture :
         {"\"texture\": {\"openedAs\": \"" + dir +
              "/hull.tga\", \"width\": 2, \"height\": 1, \"bitsPerPixel\": 24}}",
          std::string("\"texture\": {\"openedAs\": \"nowhere.tga\", \"problem\": \"No such file or "
                      "directory\"}}"),
          std::string("\"texture\": null}")})
        EXPECT_NE(run.out.find(texture), std::string::npos) << texture << "\n" << run.out;
    std::filesystem::remove_all(dir);
}

TEST(ShipyardModel, RefusesBadFilesWithOneLine) {
    Ms3dFile f;
    AddSquare(f, 0, 0, 1, 1, 0, 0xff);
    std::vector<unsigned char> cut = WriteMs3dFile(f);
    cut.resize(40);
    const struct {
        std::string path, reason;
    } cases[] = {
        {Sample("InvalidMaterialIndex.ms3d"), "group 0 names material 1 of 1"},
        {WriteScratchFile(Own("shipyard_model_cut.ms3d"), cut),
         "file ends inside the vertices: 60 bytes needed, 24 left"},
        {Sample("jeep1.jpg"), "not a MilkShape 3D file: identifier is not MS3D000000"},
        {testing::TempDir() + "no such file.ms3d", "No such file or directory"},
        {testing::TempDir(), "is a directory, not a regular file"},
    };
    for (const auto& c : cases) {
        const ShipyardRun run = RunShipyard("model " + ShellQuoted(c.path));
        EXPECT_EQ(run.status, 1) << c.path;
        EXPECT_EQ(run.out, "") << c.path;
        EXPECT_EQ(run.err, "shipyard: " + c.path + ": " + c.reason + "\n");
    }
}

} // namespace
