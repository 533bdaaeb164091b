// SPDX-License-Identifier: MIT
// One frame of the world: the re-sort, every ship's turn, then the projectile pass.
#include "Step.h"

#include "DrawWindows.h"
#include "Projectile.h"
#include "ShotKinds.h"
#include "Steering.h"

#include <algorithm>
#include <cmath>

namespace {

// Chasers this close to the player cannot be hit: the player's own shots start here.
constexpr float SafeDistanceFromPlayer = 6.0f;

bool IsFinite(Vector2 v) {
    return std::isfinite(v.x) && std::isfinite(v.y);
}

// Stable, so the player's ship (distance 0) stays first and equal distances keep their order.
void SortByDistance(std::vector<Ship>& ships) {
    std::stable_sort(ships.begin(), ships.end(), [](const Ship& a, const Ship& b) {
        return std::fabs(a.distanceToPlayer) < std::fabs(b.distanceToPlayer);
    });
}

// A coordinate past the edge and still heading out is mirrored to as far beyond the opposite
// edge, from where its velocity carries it in. One already heading in is left to come in: mirroring
// it again would throw it back and forth across the world every frame after a long frame.
void WrapCoordinate(float& coordinate, float velocity) {
    bool headingOut = coordinate > 0 ? velocity > 0 : velocity < 0;
    if (std::fabs(coordinate) > WorldHalfSize && headingOut)
        coordinate = -coordinate;
}

void Fire(World& w, Ship& p, int32_t index, StepEvents& events) {
    Projectile q;
    int32_t kind = p.computerControlled ? ChasersShotKind() : p.requestedShot;
    InitProjectile(q, p.position, p.heading, p.velocity, kind, w.followedPosition, w.playerVelocity,
                   w.shotModels[kind]);
    w.projectiles.push_back(q);
    p.reloadTimer = p.reloadTime;
    StepEvent fired;
    fired.kind = ShotFired;
    fired.position = p.position;
    fired.shotKind = q.shotKind;
    fired.ship = index;
    events.list.push_back(fired);
}

// The one writer of the followed position: the player's ship where the frame finds it.
void FollowPlayer(World& w) {
    for (const Ship& p : w.ships)
        if (!p.computerControlled) {
            w.followedPosition = p.position;
            return;
        }
}

// The ship at `index` in w.ships takes its turn.
void TakeTurn(World& w, int32_t index, HeldKeys keys, float seconds, StepEvents& events) {
    Ship& p = w.ships[index];
    Vector2 start = p.position;
    if (!p.computerControlled) {
        p.distanceToPlayer = 0;
        w.playerVelocity = p.velocity;
    }
    WrapCoordinate(p.position.x, p.velocity.x);
    WrapCoordinate(p.position.y, p.velocity.y);
    // Judged where the ship was before any wrap.
    p.visible = InsideWindow(w.followedPosition, ShipWindow, start.x, start.y) ||
                p.turnRate == AlwaysVisibleTurnRate;
    if (p.computerControlled) {
        p.distanceToPlayer = Length(w.followedPosition - start);
        p.seekTarget = w.followedPosition;
        p.seeking = true;
        if (p.reloadTimer <= 0)
            p.fireRequested = true;
    }
    if (p.fireRequested)
        Fire(w, p, index, events);
    UpdateShip(p, keys, seconds);
}

// The first chaser within `reach` of a player's shot at `shot` takes a hit; on its eleventh it
// is erased, the ships after it closing up in order. False when the shot hits nothing.
bool HitChaser(std::vector<Ship>& ships, Vector2 shot, float reach, Vector2 player,
               StepEvents& events) {
    for (size_t i = 0; i < ships.size(); ++i) {
        Ship& s = ships[i];
        if (!s.computerControlled || !(Length(s.position - shot) < reach) ||
            !(Length(player - s.position) > SafeDistanceFromPlayer))
            continue;
        s.hitPoints -= 1;
        StepEvent hit;
        hit.position = s.position;
        if (s.hitPoints < 0) {
            hit.kind = ChaserBrokenUp;
            hit.type = s.type;
            ships.erase(ships.begin() + i);
        } else {
            hit.kind = ChaserHit;
            hit.hitPointsLeft = s.hitPoints;
        }
        events.list.push_back(hit);
        return true;
    }
    return false;
}

// One projectile's turn; true when it is to be removed.
bool ProjectileTurn(World& w, Projectile& q, float seconds, StepEvents& events) {
    Vector2 player = w.followedPosition;
    q.visible = InsideWindow(player, ProjectileWindow, q.position.x, q.position.y);
    const ShotKindRow& row = ShotKindOf(q.shotKind);
    if (row.firedBy == Shooter::Chasers) {
        // Reaching the player, a chasers' shot just vanishes: the player's ship takes no damage.
        if (Length(player - q.position) < row.reach)
            return true;
    } else if (HitChaser(w.ships, q.position, row.reach, player, events)) {
        return true;
    }
    return UpdateProjectile(q, seconds, events);
}

} // namespace

void AdvanceWorld(World& w, HeldKeys keys, double seconds, StepEvents& events) {
    if (KeyHeld(keys, ActionPause))
        FollowPlayer(w);
    else
        StepWorld(w, keys, float(seconds), events);
}

void StepWorld(World& w, HeldKeys keys, float seconds, StepEvents& events) {
    SortByDistance(w.ships);
    // The player's ship is first now and still where its turn will begin.
    FollowPlayer(w);
    for (int32_t i = 0; i < int32_t(w.ships.size()); ++i)
        TakeTurn(w, i, keys, seconds, events);
    for (auto q = w.projectiles.begin(); q != w.projectiles.end();)
        q = ProjectileTurn(w, *q, seconds, events) ? w.projectiles.erase(q) : std::next(q);
}

void UpdateShip(Ship& p, HeldKeys keys, float seconds) {
    // A request made in this turn was served before this call; one set below waits for the next.
    p.fireRequested = false;
    if (p.computerControlled) {
        SteerShip(p, seconds);
        if (p.reloadTimer >= 0)
            p.reloadTimer = p.reloadTimer - seconds;
    } else {
        FlyPlayerShip(p, keys, seconds);
    }
    p.position = p.position + p.velocity * seconds;
}

void SteerShip(Ship& p, float seconds) {
    if (p.seeking)
        p.acceleration = SteerToward(p.position, p.velocity, p.seekTarget, p.thrust);
    float travel;
    if (DirectionOfTravel(p.velocity, travel))
        p.heading = travel * RadiansToDegrees;
    p.acceleration = p.acceleration * seconds;
    p.velocity = p.velocity + p.acceleration;
}

bool DirectionOfTravel(Vector2 velocity, float& radians) {
    Vector2 n = Normalized(velocity);
    if (!IsFinite(n))
        return false;
    // Rounding can leave |n.x| a hair above 1, where the arccosine has no value.
    float angle = float(std::acos(std::clamp(double(n.x), -1.0, 1.0)));
    radians = n.y > 0 ? -angle : angle;
    return true;
}
