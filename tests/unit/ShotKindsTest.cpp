// SPDX-License-Identifier: MIT
// The shot kinds table: each row one the step can fire and the catalogue can draw, and the
// player's held actions each firing one kind.
#include "ShotKinds.h"
#include "Scenario.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Whether the scenario lists `name` as a shot's type, so that check and generate know it.
bool ScenarioShotType(const std::string& name) {
    for (const ScenarioType& entry : ScenarioTypes)
        if (entry.role == ScenarioRole::Shot && name == entry.name)
            return true;
    return false;
}

} // namespace

TEST(ShotKinds, EveryRowCanBeFiredDrawnAndHeard) {
    uint16_t actionsUsed = 0;
    for (const ShotKindRow& row : ShotKinds) {
        SCOPED_TRACE(row.kind);
        EXPECT_TRUE(ScenarioShotType(row.modelType)) << row.modelType;
        EXPECT_GT(row.speed, 0);
        EXPECT_GT(row.reach, 0);
        EXPECT_GE(row.glowSeconds, 0);
        EXPECT_LT(row.glowSeconds, row.lifeSeconds);
        EXPECT_GE(row.sound, 0);
        EXPECT_LT(row.sound, GameSoundCount);
        if (row.firedBy == Shooter::Chasers) {
            EXPECT_EQ(row.firedWith, 0) << "the chasers hold no keys";
            continue;
        }
        // One held action, not shared with another kind.
        EXPECT_NE(row.firedWith, 0);
        EXPECT_EQ(row.firedWith & (row.firedWith - 1), 0) << "one action";
        EXPECT_EQ(row.firedWith & ~AllHeldActions, 0) << "a held action";
        EXPECT_EQ(actionsUsed & row.firedWith, 0) << "fired with another kind's action";
        actionsUsed = uint16_t(actionsUsed | row.firedWith);
    }
}
