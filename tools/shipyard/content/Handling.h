// How the default ship types fly: the figures `shipyard generate` writes into alukset.txt.
//
// The player's "brightfin" has about twice any chaser's thrust, so it outruns them flat out, and
// turns a full circle in 1.6 s. The chasers steer with their full thrust at all times and have no
// speed limit, so their thrust alone sets how fast they close in: a few seconds from where the
// scenario places them. Their turn rates are never used for turning, but none may be exactly 30
// degrees per second, the rate that marks a ship as always visible. The scenery and the shots
// lend only their models.
#pragma once

#include <cstring>

struct Handling {
    const char* name;
    float thrust;     // units per second squared
    float turnRate;   // degrees per second
    const char* note; // the catalogue comment
};

inline constexpr Handling DefaultHandling[] = {
    {"brightfin", 24, 220, "the player's ship, agile and faster than every chaser"},
    {"Tarvesh4", 0, 0, "unused, the scenery never moves"},
    {"Quessal", 9, 150, "swarm chaser, the slowest"},
    {"Maradyne", 13, 100, "heavy chaser, the quickest to close in"},
    {"Umbrek", 11, 120, "ring chaser, between the two"},
    {"Bullet", 0, 0, "unused, shots fly by their own rules"},
};
