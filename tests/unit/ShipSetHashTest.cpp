// SPDX-License-Identifier: MIT
// The ship set's hash: every byte, file, order and absence counts; the same set hashes alike in
// any folder; the models a catalogue names are those the game loads.
#include "ShipSetHash.h"
#include "Ms3dBuilder.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace {

struct File {
    std::string path;
    bool read;
    std::string bytes;
};

uint64_t HashOf(const std::vector<File>& files) {
    uint64_t hash = EmptyShipSetHash;
    for (const File& f : files)
        hash = AddToShipSetHash(hash, f.path, f.read,
                                std::vector<unsigned char>(f.bytes.begin(), f.bytes.end()));
    return hash;
}

TEST(ShipSetHash, EveryByteFileOrderAndAbsenceCounts) {
    const File catalogue{"alukset.txt", true, "a\nm.ms3d\n1\n2\n"};
    const File model{"m.ms3d", true, "MS3D000000 model"};
    const File texture{"hull.tga", true, std::string("\0\0\2\0texture", 11)};
    const std::vector<File> base = {catalogue, model, texture};
    File changedByte = texture;
    changedByte.bytes[5] ^= 1;
    const struct {
        const char* what;
        std::vector<File> files;
        bool same;
    } cases[] = {
        {"the same files again", {catalogue, model, texture}, true},
        {"the files in another order", {catalogue, texture, model}, false},
        {"one texture byte changed", {catalogue, model, changedByte}, false},
        {"the texture missing", {catalogue, model, {"hull.tga", false, ""}}, false},
        {"the texture empty", {catalogue, model, {"hull.tga", true, ""}}, false},
        {"the texture under another name",
         {catalogue, model, {"Hull.tga", true, texture.bytes}},
         false},
        {"bytes moved from one file to the next",
         {catalogue,
          {"m.ms3d", true, model.bytes + "\0"},
          {"hull.tga", true, texture.bytes.substr(1)}},
         false},
        {"a file more", {catalogue, model, texture, {"x.tga", false, ""}}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HashOf(c.files) == HashOf(base), c.same) << c.what;
    EXPECT_NE(HashOf({{"missing", false, ""}}), HashOf({{"empty", true, ""}}));
}

TEST(ShipSetHash, TheModelsAreTheGamesInNameOrderFirstRecordWinning) {
    const std::string text = "Zeta\nz.ms3d\n1\n1\n"
                             "alpha\na.ms3d\n1\n1\n"
                             "Zeta\nother.ms3d\n1\n1\n"
                             "Beta ; a comment\nb.ms3d;\n1\n1\n"
                             "leftover\nnever.ms3d\n";
    EXPECT_EQ(CatalogueModelFiles(text), (std::vector<std::string>{"b.ms3d", "z.ms3d", "a.ms3d"}));
}

// A set of two types in a scratch folder: the first model's material names a texture beside it.
std::string WriteSet(const std::string& name) {
    const std::string folder = testing::TempDir() + name;
    mkdir(folder.c_str(), 0777);
    mkdir((folder + "/models").c_str(), 0777);
    Ms3dFile model;
    AddSquare(model, 0, 0, 1, 1, 0, 0);
    model.materials.resize(1);
    model.materials[0].texture = ".\\hull.tga";
    std::vector<unsigned char> textured = WriteMs3dFile(model);
    model.materials.clear();
    model.groups[0].material = 0xFF;
    std::vector<unsigned char> plain = WriteMs3dFile(model);
    WriteScratchFile(name + "/models/one.ms3d", textured);
    WriteScratchFile(name + "/models/two.ms3d", plain);
    WriteScratchFile(name + "/models/hull.tga", {0, 0, 2, 0, 1, 2, 3});
    const std::string catalogue = "one\nmodels/one.ms3d\n1\n1\ntwo\nmodels/two.ms3d\n1\n1\n";
    WriteScratchFile(name + "/alukset.txt",
                     std::vector<unsigned char>(catalogue.begin(), catalogue.end()));
    return folder;
}

uint64_t FolderHash(const std::string& folder) {
    uint64_t set = 0;
    std::string reason;
    EXPECT_TRUE(HashShipSet(folder, set, reason)) << folder << ": " << reason;
    return set;
}

TEST(ShipSetHash, ASetReadFromItsFolderCountsItsTextures) {
    const uint64_t original = FolderHash(WriteSet("set-a"));
    EXPECT_EQ(FolderHash(WriteSet("set-b")), original) << "the folder's own path counted";

    const std::string changed = WriteSet("set-texture");
    WriteScratchFile("set-texture/models/hull.tga", {0, 0, 2, 0, 1, 2, 4});
    EXPECT_NE(FolderHash(changed), original) << "a texture byte did not count";

    const std::string missing = WriteSet("set-missing");
    std::remove((missing + "/models/hull.tga").c_str());
    EXPECT_NE(FolderHash(missing), original) << "a missing texture did not count";

    const std::string noModel = WriteSet("set-no-model");
    std::remove((noModel + "/models/two.ms3d").c_str());
    const uint64_t withoutModel = FolderHash(noModel);
    EXPECT_NE(withoutModel, original);
    EXPECT_NE(withoutModel, FolderHash(missing));

    const std::string noCatalogue = WriteSet("set-no-catalogue");
    std::remove((noCatalogue + "/alukset.txt").c_str());
    uint64_t set = 7;
    std::string reason;
    EXPECT_FALSE(HashShipSet(noCatalogue, set, reason));
    EXPECT_EQ(reason, "No such file or directory");
    EXPECT_EQ(set, 7u);
}

} // namespace
