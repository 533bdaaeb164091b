// SPDX-License-Identifier: MIT
// The kinds of shot, one row each: how a shot of the kind flies, how long it lives and glows,
// what it reaches, who fires it, what is heard and which model it is drawn with. The step, the
// projectiles, set-up and the sound read the row.
#pragma once

#include "HeldKeys.h"
#include "SoundFile.h"

#include <cstddef>
#include <cstdint>

enum ShotKind : int32_t { StraightShot, AimedShot, ShotKindCount };

enum class Shooter { Player, Chasers };

struct ShotKindRow {
    ShotKind kind; // its own id: the rows stand in the order of ShotKind
    Shooter firedBy;
    uint16_t firedWith; // the player's HeldAction that fires it; 0 for the chasers' shot
    // False: leaves along the firing ship's heading at `speed`, plus the ship's velocity. True:
    // leaves at `speed` relative to the ship, leading the player's ship.
    bool aims;
    double speed;       // units per second
    float lifeSeconds;  // it expires once this has run out
    double glowSeconds; // a blue light fading from full to dark over its first seconds; 0: none
    // Chasers within this distance take a hit from a player's shot (none right by the player's
    // ship); a chasers' shot this close to the player's ship vanishes, doing no harm.
    float reach;
    GameSound sound;       // heard when it is fired
    const char* modelType; // the catalogue type it is drawn with
};

inline constexpr ShotKindRow ShotKinds[] = {
    {StraightShot, Shooter::Player, ActionFire, false, 100.0, 6.0f, 0.3, 3.8f, ShotSound, "Bullet"},
    {AimedShot, Shooter::Chasers, 0, true, 50.0, 6.0f, 0.0, 2.3f, ChaserShotSound, "Bullet"},
};
static_assert(sizeof ShotKinds / sizeof ShotKinds[0] == ShotKindCount, "one row per shot kind");

inline constexpr bool ShotRowsInOrder() {
    for (int32_t i = 0; i < ShotKindCount; ++i)
        if (ShotKinds[i].kind != i)
            return false;
    return true;
}
static_assert(ShotRowsInOrder(), "the rows of ShotKinds stand in the order of ShotKind");

inline constexpr const ShotKindRow& ShotKindOf(int32_t kind) {
    return ShotKinds[kind];
}

// The kind the chasers fire: the first row fired by them.
inline constexpr ShotKind ChasersShotKind() {
    for (const ShotKindRow& row : ShotKinds)
        if (row.firedBy == Shooter::Chasers)
            return row.kind;
    return ShotKindCount;
}
static_assert(ChasersShotKind() != ShotKindCount, "the chasers fire one kind of shot");
