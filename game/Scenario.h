// SPDX-License-Identifier: MIT
// The opening scenario, written once: the ship types the game needs, in the order set-up looks
// them up, what each is for, how many start where, and how the default ship set makes it fly.
// Set-up places the world from it, `shipyard check` judges a catalogue by it and `shipyard
// generate` writes the default catalogue from it.
#pragma once

enum class ScenarioRole { Player, Scenery, Chaser, Shot };

struct ScenarioType {
    const char* name; // the catalogue name, case and all
    ScenarioRole role;
    int count;   // placed at the start: ships, or scenery objects; shots are made in play
    float x, y;  // where the first one starts, in world units
    float stepX; // each next one starts this much further along x
    // The default ship set's handling, as `shipyard generate` writes it. The player's ship has
    // about twice any chaser's thrust, so it outruns them flat out, and turns a full circle in
    // 1.6 s. The chasers steer with their full thrust at all times and have no speed limit, so
    // their thrust alone sets how fast they close in: a few seconds from where they start. Their
    // turn rates are never used for turning, but none may be the always-visible rate (see
    // DrawWindows.h). The scenery and the shots lend only their models.
    float thrust;     // units per second squared
    float turnRate;   // degrees per second
    const char* note; // the default catalogue's comment
};

inline constexpr ScenarioType ScenarioTypes[] = {
    {"brightfin", ScenarioRole::Player, 1, 0, 0, 0, 24, 220,
     "the player's ship, agile and faster than every chaser"},
    {"Tarvesh4", ScenarioRole::Scenery, 1, 0, 0, 0, 0, 0, "unused, the scenery never moves"},
    {"Quessal", ScenarioRole::Chaser, 10, -25, -5, 10, 9, 150, "swarm chaser, the slowest"},
    {"Maradyne", ScenarioRole::Chaser, 1, -30, 0, 0, 13, 100,
     "heavy chaser, the quickest to close in"},
    {"Umbrek", ScenarioRole::Chaser, 1, 30, 30, 0, 11, 120, "ring chaser, between the two"},
    {"Bullet", ScenarioRole::Shot, 0, 0, 0, 0, 0, 0, "unused, shots fly by their own rules"},
};

// How many chasers a chase starts with.
constexpr int ScenarioChasers() {
    int chasers = 0;
    for (const ScenarioType& type : ScenarioTypes)
        if (type.role == ScenarioRole::Chaser)
            chasers += type.count;
    return chasers;
}
