// The catalogue loader with real models: name order, first failure, duplicates and messages.
#include "GLTest.h"

#include "LoadShipCatalogue.h"
#include "Model.h"
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
    std::string previous, folder;

    void SetUp() override {
        char here[4096];
        ASSERT_NE(getcwd(here, sizeof here), nullptr);
        previous = here;
        char name[] = "/tmp/catalogue_gl_XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        folder = name;
        ASSERT_EQ(chdir(folder.c_str()), 0);
        shipCatalogue.Clear();
    }
    void TearDown() override {
        shipCatalogue.Clear(); // deletes the models while the context exists
        EXPECT_EQ(chdir(previous.c_str()), 0);
        std::system(("rm -rf '" + folder + "'").c_str());
    }

    static void Write(const char* path, const std::string& bytes) {
        std::FILE* file = std::fopen(path, "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    // The smallest valid model: the header (identifier, version 4) and four zero counts.
    static void WriteEmptyModel(const char* path) {
        Write(path, std::string("MS3D000000\x04\0\0\0", 14) + std::string(8, '\0'));
    }
    static std::string Run(bool& result) {
        testing::internal::CaptureStdout();
        result = LoadShipCatalogue();
        return testing::internal::GetCapturedStdout();
    }
    static Model* ModelOf(const char* name) {
        const ShipType* type = shipCatalogue.Find(name);
        return type ? type->model : nullptr;
    }
};

TEST_F(LoadShipCatalogueTest, MissingFileIsReportedAndLeavesTheCatalogueEmpty) {
    bool result = true;
    EXPECT_EQ(Run(result), "ERROR: alukset.txt missing, no ships loaded\n");
    EXPECT_FALSE(result);
    EXPECT_TRUE(shipCatalogue.Empty());
}

TEST_F(LoadShipCatalogueTest, FileWithoutRecordsLoadsNothingAndSucceeds) {
    for (const char* text : {"", "\n\r\n\n", "Bullet\nbullet.ms3d\n3\n"}) {
        Write("alukset.txt", text);
        bool result = false;
        EXPECT_EQ(Run(result), "");
        EXPECT_TRUE(result);
        EXPECT_TRUE(shipCatalogue.Empty());
    }
}

TEST_F(LoadShipCatalogueTest, EveryTypeGetsALoadedCompiledModel) {
    ASSERT_EQ(mkdir("models", 0700), 0);
    WriteEmptyModel("models/bullet.ms3d");
    WriteEmptyModel("umbrek.ms3d");
    Write("alukset.txt", "Bullet\r\nmodels/bullet.ms3d;small\r\n3\r\n90\r\n"
                         "\r\nUmbrek\r\numbrek.ms3d\r\n40\r\n30");
    bool result = false;
    EXPECT_EQ(Run(result), "");
    EXPECT_TRUE(result);
    ASSERT_EQ(shipCatalogue.Size(), 2u);
    for (const auto& entry : shipCatalogue.entries) {
        ASSERT_NE(entry.second.model, nullptr) << entry.first;
        EXPECT_NE(entry.second.model->displayList, 0u) << entry.first;
        EXPECT_TRUE(glIsList(entry.second.model->displayList)) << entry.first;
    }
    const ShipType* umbrek = shipCatalogue.Find("Umbrek");
    ASSERT_NE(umbrek, nullptr);
    EXPECT_STREQ(umbrek->modelFile, "umbrek.ms3d");
    EXPECT_EQ(umbrek->thrust, 40);
    EXPECT_EQ(umbrek->turnRate, 30);
    EXPECT_STREQ(shipCatalogue.Find("Bullet")->modelFile, "models/bullet.ms3d");
}

TEST_F(LoadShipCatalogueTest, FirstFailureInNameOrderIsTheOneReported) {
    // Neither model exists; "Tarvesh4" sorts before "brightfin" though it comes second.
    Write("alukset.txt", "brightfin\nbright.ms3d\n10\n90\nTarvesh4\ntarvesh.ms3d\n1\n30\n");
    bool result = true;
    EXPECT_EQ(Run(result), "ERROR: loading a model file tarvesh.ms3d\n");
    EXPECT_FALSE(result);
    EXPECT_NE(ModelOf("Tarvesh4"), nullptr); // the failed model stays attached
    EXPECT_EQ(ModelOf("brightfin"), nullptr);
    EXPECT_EQ(shipCatalogue.Size(), 2u);
}

TEST_F(LoadShipCatalogueTest, LoadingStopsAtTheFirstModelThatFails) {
    WriteEmptyModel("alpha.ms3d");
    WriteEmptyModel("gamma.ms3d");
    Write("beta.ms3d", "not a model");
    Write("alukset.txt",
          "Gamma\ngamma.ms3d\n1\n1\nBeta\nbeta.ms3d\n1\n1\nAlpha\nalpha.ms3d\n1\n1\n");
    bool result = true;
    EXPECT_EQ(Run(result), "ERROR: loading a model file beta.ms3d\n");
    EXPECT_FALSE(result);
    ASSERT_NE(ModelOf("Alpha"), nullptr);
    EXPECT_NE(ModelOf("Alpha")->displayList, 0u);
    ASSERT_NE(ModelOf("Beta"), nullptr);
    EXPECT_EQ(ModelOf("Beta")->displayList, 0u); // never compiled
    EXPECT_EQ(ModelOf("Gamma"), nullptr);
}

TEST_F(LoadShipCatalogueTest, RepeatedNameKeepsTheFirstRecordAndNeverOpensTheSecondModel) {
    WriteEmptyModel("first.ms3d");
    Write("alukset.txt", "Quessal\nfirst.ms3d\n25\n45\nQuessal\nmissing.ms3d\n99\n99\n");
    bool result = false;
    EXPECT_EQ(Run(result), "");
    EXPECT_TRUE(result);
    const ShipType* quessal = shipCatalogue.Find("Quessal");
    ASSERT_NE(quessal, nullptr);
    EXPECT_STREQ(quessal->modelFile, "first.ms3d");
    EXPECT_EQ(quessal->thrust, 25);
    EXPECT_EQ(quessal->turnRate, 45);
    EXPECT_NE(quessal->model, nullptr);
}

} // namespace
