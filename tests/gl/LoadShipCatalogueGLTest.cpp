// SPDX-License-Identifier: MIT
// The catalogue loader with real models: name order, first failure, duplicates and messages.
#include "GLTest.h"

#include "LoadShipCatalogue.h"
#include "Model.h"
#include "Ms3dWriter.h"
#include "ShipCatalogue.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Runs each test in a fresh temporary folder holding the files it writes.
struct LoadShipCatalogueTest : testing::Test {
    std::string folder;
    bool result = false;

    void SetUp() override {
        char name[] = "/tmp/catalogue_gl_XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        folder = name;
        ASSERT_EQ(chdir(folder.c_str()), 0);
        shipCatalogue.Clear();
    }
    void TearDown() override {
        shipCatalogue.Clear(); // deletes the models while the context exists
        EXPECT_EQ(chdir("/tmp"), 0);
        std::system(("rm -rf '" + folder + "'").c_str());
    }

    static void Write(const char* path, const std::string& bytes) {
        std::FILE* file = std::fopen(path, "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    // The smallest valid model: the header and four counts of 0.
    static void WriteEmptyModel(const char* path) {
        const std::vector<unsigned char> bytes = WriteMs3dFile(Ms3dFile());
        Write(path, std::string(bytes.begin(), bytes.end()));
    }
    // Runs the loader, keeping its result, and gives what it wrote.
    std::string Run() {
        testing::internal::CaptureStdout();
        result = LoadShipCatalogue();
        return testing::internal::GetCapturedStdout();
    }
    static Model* ModelOf(const char* name) { return shipCatalogue.Find(name)->model; }
};

TEST_F(LoadShipCatalogueTest, MissingFileIsReportedAndLeavesTheCatalogueEmpty) {
    result = true;
    EXPECT_EQ(Run(), "ERROR: alukset.txt missing, no ships loaded\n");
    EXPECT_FALSE(result);
    EXPECT_TRUE(shipCatalogue.Empty());
}

// Something is there but cannot be read as a file: said at once, never waited on.
TEST_F(LoadShipCatalogueTest, ANamedPipeOrAFolderIsNoCatalogue) {
    ASSERT_EQ(mkfifo("alukset.txt", 0600), 0);
    EXPECT_EQ(Run(), "ERROR: alukset.txt cannot be used: is a named pipe, not a regular file\n");
    EXPECT_FALSE(result);
    ASSERT_EQ(unlink("alukset.txt"), 0);
    ASSERT_EQ(mkdir("alukset.txt", 0700), 0);
    EXPECT_EQ(Run(), "ERROR: alukset.txt cannot be used: is a directory, not a regular file\n");
    EXPECT_FALSE(result);
    EXPECT_TRUE(shipCatalogue.Empty());
}

TEST_F(LoadShipCatalogueTest, EveryTypeGetsACompiledModelAndARepeatedNameIsNeverOpened) {
    ASSERT_EQ(mkdir("models", 0700), 0);
    WriteEmptyModel("models/bullet.ms3d");
    WriteEmptyModel("umbrek.ms3d");
    Write("alukset.txt", "Bullet\r\nmodels/bullet.ms3d;small\r\n3\r\n90\r\n"
                         "\r\nUmbrek\r\numbrek.ms3d\r\n40\r\n30\r\n"
                         "Umbrek\r\nmissing.ms3d\r\n99\r\n99");
    EXPECT_EQ(Run(), "");
    EXPECT_TRUE(result);
    ASSERT_EQ(shipCatalogue.Size(), 2u);
    for (const auto& entry : shipCatalogue.entries) {
        ASSERT_NE(entry.second.model, nullptr) << entry.first;
        EXPECT_TRUE(glIsList(entry.second.model->displayList)) << entry.first;
    }
    EXPECT_STREQ(shipCatalogue.Find("Umbrek")->modelFile, "umbrek.ms3d");
    EXPECT_EQ(shipCatalogue.Find("Umbrek")->thrust, 40);
}

TEST_F(LoadShipCatalogueTest, ModelsLoadInNameOrderUpToTheFirstThatFails) {
    // File order Gamma, Beta, Alpha; gamma.ms3d does not exist, beta.ms3d is no model.
    WriteEmptyModel("alpha.ms3d");
    Write("beta.ms3d", "not a model");
    Write("alukset.txt",
          "Gamma\ngamma.ms3d\n1\n1\nBeta\nbeta.ms3d\n1\n1\nAlpha\nalpha.ms3d\n1\n1\n");
    result = true;
    EXPECT_EQ(Run(), "ERROR: loading a model file beta.ms3d\n");
    EXPECT_FALSE(result);
    ASSERT_EQ(shipCatalogue.Size(), 3u);
    ASSERT_NE(ModelOf("Alpha"), nullptr);
    EXPECT_NE(ModelOf("Alpha")->displayList, 0u);
    ASSERT_NE(ModelOf("Beta"), nullptr);         // the failed model stays attached
    EXPECT_EQ(ModelOf("Beta")->displayList, 0u); // never compiled
    EXPECT_EQ(ModelOf("Gamma"), nullptr);
}

} // namespace
