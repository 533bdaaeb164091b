// SPDX-License-Identifier: MIT
// The catalogue: byte order of names, exact look-up, first-wins insertion and Clear.
#include "ShipCatalogue.h"

#include "Model.h"

#include <gtest/gtest.h>

namespace {

// Records, in order, the names of the models deleted.
std::vector<std::string> deleted;

struct FakeModel : Model {
    explicit FakeModel(std::string name) : name(std::move(name)) {}
    ~FakeModel() override { deleted.push_back(name); }
    bool load(const char*) override { return false; }
    std::string name;
};

ShipType Type(const char* modelFile, Model* model = nullptr) {
    ShipType type;
    std::snprintf(type.modelFile, sizeof type.modelFile, "%s", modelFile);
    type.model = model;
    return type;
}

TEST(ShipCatalogue, KeepsTheFirstRecordUnderANameInUnsignedByteOrderAndFindsExactNames) {
    ShipCatalogue catalogue;
    for (const char* name : {"brightfin", "\xC4ij\xE4", "Tarvesh4", "Tarvesh", "Bullet", "zeta"})
        EXPECT_TRUE(catalogue.Insert(name, Type(name)));
    EXPECT_FALSE(catalogue.Insert("Bullet", Type("second.ms3d")));
    // Upper case before lower case, a prefix before its extensions, bytes over 127 last.
    std::vector<std::string> names,
        expected = {"Bullet", "Tarvesh", "Tarvesh4", "brightfin", "zeta", "\xC4ij\xE4"};
    for (const auto& entry : catalogue.entries)
        names.push_back(entry.first);
    EXPECT_EQ(names, expected);
    ASSERT_NE(catalogue.Find("Bullet"), nullptr);
    EXPECT_STREQ(catalogue.Find("Bullet")->modelFile, "Bullet");
    for (const char* near : {"bullet", "BULLET", "Bullet ", " Bullet", "Bulle", ""})
        EXPECT_EQ(catalogue.Find(near), nullptr) << "'" << near << "'";
}

TEST(ShipCatalogue, ClearDeletesEachModelInNameOrderAndEmpties) {
    ShipCatalogue catalogue;
    deleted.clear();
    catalogue.Insert("brightfin", Type("b.ms3d", new FakeModel("brightfin")));
    catalogue.Insert("Quessal", Type("q.ms3d")); // never got a model
    catalogue.Insert("Tarvesh4", Type("t.ms3d", new FakeModel("Tarvesh4")));
    catalogue.Clear();
    EXPECT_EQ(deleted, (std::vector<std::string>{"Tarvesh4", "brightfin"}));
    EXPECT_TRUE(catalogue.Empty());
    EXPECT_EQ(catalogue.Find("Quessal"), nullptr);
    // Filled again after a Clear.
    EXPECT_TRUE(catalogue.Insert("Quessal", Type("q2.ms3d")));
    EXPECT_STREQ(catalogue.Find("Quessal")->modelFile, "q2.ms3d");
}

} // namespace
