// SPDX-License-Identifier: MIT
// The player's ship under the held keys: turn, thrust, strafe, boost and fire.
#include "Step.h"

#include "HeldKeys.h"
#include "ShotKinds.h"

#include <cmath>

namespace {

// The player's reload timer runs down this many times faster than a chaser's.
constexpr float PlayerReloadSpeedUp = 5.0f;
constexpr float StrafeAngle = 90.0f;

// Adds seconds x thrust along the direction `radians` (sign 1) or against it (sign -1).
void Push(Ship& p, float seconds, double radians, double sign) {
    double amount = sign * double(seconds) * double(p.thrust);
    p.velocity.x = float(double(p.velocity.x) + amount * std::cos(radians));
    p.velocity.y = float(double(p.velocity.y) - amount * std::sin(radians));
}

void PushAlongHeading(Ship& p, float seconds, float heading, double sign) {
    Push(p, seconds, heading * DegreesToRadians, sign);
}

void Turn(Ship& p, float seconds, float sign) {
    p.heading = p.heading + sign * (p.turnRate * seconds);
}

// LCTRL boosts along the direction of travel; only turning still works beside it.
void Boost(Ship& p, HeldKeys keys, float seconds) {
    float travel;
    // At rest there is no direction of travel, and the boost leaves the velocity alone.
    if (DirectionOfTravel(p.velocity, travel))
        Push(p, seconds, travel, 1);
    if (KeyHeld(keys, ActionLeft))
        Turn(p, seconds, -1);
    if (KeyHeld(keys, ActionRight))
        Turn(p, seconds, 1);
}

// Each key sees the heading as the keys before it left it.
void Fly(Ship& p, HeldKeys keys, float seconds) {
    bool strafing = KeyHeld(keys, ActionStrafe);
    if (KeyHeld(keys, ActionLeft)) {
        if (strafing)
            PushAlongHeading(p, seconds, p.heading + -StrafeAngle, 1);
        else
            Turn(p, seconds, -1);
    }
    if (KeyHeld(keys, ActionRight)) {
        if (strafing)
            PushAlongHeading(p, seconds, p.heading + StrafeAngle, 1);
        else
            Turn(p, seconds, 1);
    }
    if (KeyHeld(keys, ActionThrust))
        PushAlongHeading(p, seconds, p.heading, 1);
    if (KeyHeld(keys, ActionReverse))
        PushAlongHeading(p, seconds, p.heading, -1);
}

} // namespace

void FlyPlayerShip(Ship& p, HeldKeys keys, float seconds) {
    if (KeyHeld(keys, ActionBoost))
        Boost(p, keys, seconds);
    else
        Fly(p, keys, seconds);
    // The shot itself leaves at the start of the ship's next turn, which also reloads. The first
    // kind whose action is held is the one fired.
    if (p.reloadTimer <= 0)
        for (const ShotKindRow& row : ShotKinds)
            if (row.firedBy == Shooter::Player && (keys.bits & row.firedWith) != 0) {
                p.fireRequested = true;
                p.requestedShot = row.kind;
                break;
            }
    if (p.reloadTimer >= 0)
        p.reloadTimer = p.reloadTimer - PlayerReloadSpeedUp * seconds;
}
