// The default ship set's handling figures, in one table, for tests that fly the default scenario.
//
// The player's "brightfin" must outturn and outrun the three chaser types, and the chasers must
// close in on a player at rest within a few seconds. No chaser may turn at exactly 30: that rate
// marks a ship as always visible. "Tarvesh4" (scenery) and "Bullet" (projectiles) only lend
// their models; the step never reads their figures.
#pragma once

struct DefaultShipValue {
    const char* name;
    float thrust;   // units per second squared
    float turnRate; // degrees per second (the chasers' rate only matters for the value 30)
};

inline constexpr DefaultShipValue DefaultShipValues[] = {
    {"brightfin", 40, 180}, {"Quessal", 12, 90}, {"Maradyne", 15, 75},
    {"Umbrek", 18, 60},     {"Tarvesh4", 0, 0},  {"Bullet", 0, 0},
};
