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

ShipType Type(const char* modelFile, float thrust, float turnRate, Model* model = nullptr) {
    ShipType type;
    std::snprintf(type.modelFile, sizeof type.modelFile, "%s", modelFile);
    type.thrust = thrust;
    type.turnRate = turnRate;
    type.model = model;
    return type;
}

std::vector<std::string> Names(const ShipCatalogue& catalogue) {
    std::vector<std::string> names;
    for (const auto& entry : catalogue.entries)
        names.push_back(entry.first);
    return names;
}

TEST(ShipCatalogue, IteratesNamesInUnsignedByteOrder) {
    ShipCatalogue catalogue;
    for (const char* name : {"brightfin", "\xC4ij\xE4", "Tarvesh4", "Tarvesh", "Bullet", "zeta"})
        EXPECT_TRUE(catalogue.Insert(name, Type("m.ms3d", 1, 1)));
    // Upper case before lower case, a prefix before its extensions, bytes over 127 last.
    std::vector<std::string> expected = {"Bullet",    "Tarvesh", "Tarvesh4",
                                         "brightfin", "zeta",    "\xC4ij\xE4"};
    EXPECT_EQ(Names(catalogue), expected);
    EXPECT_EQ(catalogue.Size(), 6u);
}

TEST(ShipCatalogue, FindMatchesEveryByteExactly) {
    ShipCatalogue catalogue;
    catalogue.Insert("Bullet", Type("bullet.ms3d", 3, 90));
    ASSERT_NE(catalogue.Find("Bullet"), nullptr);
    EXPECT_STREQ(catalogue.Find("Bullet")->modelFile, "bullet.ms3d");
    for (const char* near : {"bullet", "BULLET", "Bullet ", " Bullet", "Bulle", ""})
        EXPECT_EQ(catalogue.Find(near), nullptr) << "'" << near << "'";
}

TEST(ShipCatalogue, FirstRecordUnderANameWins) {
    ShipCatalogue catalogue;
    EXPECT_TRUE(catalogue.Insert("Umbrek", Type("first.ms3d", 40, 90)));
    EXPECT_FALSE(catalogue.Insert("Umbrek", Type("second.ms3d", 1, 2)));
    const ShipType* type = catalogue.Find("Umbrek");
    ASSERT_NE(type, nullptr);
    EXPECT_STREQ(type->modelFile, "first.ms3d");
    EXPECT_EQ(type->thrust, 40);
    EXPECT_EQ(type->turnRate, 90);
    EXPECT_EQ(catalogue.Size(), 1u);
}

TEST(ShipCatalogue, ClearDeletesEachModelInNameOrderAndEmpties) {
    ShipCatalogue catalogue;
    catalogue.Clear(); // empty: nothing happens
    EXPECT_TRUE(catalogue.Empty());

    deleted.clear();
    catalogue.Insert("brightfin", Type("b.ms3d", 1, 1, new FakeModel("brightfin")));
    catalogue.Insert("Quessal", Type("q.ms3d", 1, 1)); // never got a model
    catalogue.Insert("Tarvesh4", Type("t.ms3d", 1, 1, new FakeModel("Tarvesh4")));
    catalogue.Clear();
    EXPECT_EQ(deleted, (std::vector<std::string>{"Tarvesh4", "brightfin"}));
    EXPECT_TRUE(catalogue.Empty());
    EXPECT_EQ(catalogue.Find("Quessal"), nullptr);
    EXPECT_EQ(catalogue.Find("brightfin"), nullptr);

    // Filled again after a Clear.
    EXPECT_TRUE(catalogue.Insert("Quessal", Type("q2.ms3d", 2, 2)));
    EXPECT_STREQ(catalogue.Find("Quessal")->modelFile, "q2.ms3d");
}

} // namespace
