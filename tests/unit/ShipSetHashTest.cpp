// SPDX-License-Identifier: MIT
// The ship set's hash: every byte, file, order and absence counts; the same set hashes alike in
// any folder; the models a catalogue names are those the game loads.
#include "ShipSetHash.h"
#include "Ms3dBuilder.h"
#include "RecordsFile.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <map>

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

std::vector<unsigned char> Bytes(const std::string& text) {
    return std::vector<unsigned char>(text.begin(), text.end());
}

// A model of one square whose one material names `texture`.
std::vector<unsigned char> ModelNaming(const std::string& texture) {
    Ms3dFile model;
    AddSquare(model, 0, 0, 1, 1, 0, 0);
    model.materials.resize(1);
    model.materials[0].texture = texture;
    return WriteMs3dFile(model);
}

TEST(ShipSetHash, EachFileIsCountedOnceInTheGamesOrderTexturesOnlyOfModelsThatParse) {
    const std::vector<unsigned char> toT = ModelNaming(".\\t.tga"), toB = ModelNaming(".\\b.ms3d");
    const std::vector<unsigned char> cut(toT.begin(), toT.end() - 1), tga = {1, 2, 3};
    const std::string one = "x\na.ms3d\n1\n1\n", two = one + "y\nb.ms3d\n1\n1\n";
    const struct {
        const char* what;
        std::string catalogue;
        std::map<std::string, std::vector<unsigned char>> files; // written beside it
        std::vector<std::string> counted; // after the catalogue, in order; missing unless written
    } cases[] = {
        {"two types sharing a model",
         one + "y\na.ms3d\n1\n1\n",
         {{"a.ms3d", toT}, {"t.tga", tga}},
         {"a.ms3d", "t.tga"}},
        {"a texture that is a model named later",
         two,
         {{"a.ms3d", toB}, {"b.ms3d", toT}, {"t.tga", tga}},
         {"a.ms3d", "b.ms3d", "t.tga"}},
        {"a model cut short names no texture", one, {{"a.ms3d", cut}, {"t.tga", tga}}, {"a.ms3d"}},
        {"a missing model and texture", two, {{"b.ms3d", toT}}, {"a.ms3d", "b.ms3d", "t.tga"}},
        {"the catalogue named as a model", "x\nalukset.txt\n1\n1\n", {}, {"alukset.txt"}},
    };
    int row = 0;
    for (const auto& c : cases) {
        const std::string name = "counted-" + std::to_string(row++);
        mkdir((testing::TempDir() + name).c_str(), 0777);
        std::map<std::string, std::vector<unsigned char>> written = c.files;
        written["alukset.txt"] = Bytes(c.catalogue);
        for (const auto& file : written)
            WriteScratchFile(name + "/" + file.first, file.second);
        std::vector<File> expected = {{"alukset.txt", true, c.catalogue}};
        for (const std::string& path : c.counted) {
            const auto file = written.find(path);
            const bool read = file != written.end();
            expected.push_back(
                {path, read, read ? std::string(file->second.begin(), file->second.end()) : ""});
        }
        EXPECT_EQ(FolderHash(testing::TempDir() + name), HashOf(expected)) << c.what;
    }
}

// Records kept by earlier games name their sets by these values: reading the files another way
// must never change them.
TEST(ShipSetHash, KeptRecordsStillNameTheirSets) {
    EXPECT_EQ(ShipSetName(FolderHash(WriteSet("set-pinned"))), "498f9fbdc5b30be2");
}

} // namespace
