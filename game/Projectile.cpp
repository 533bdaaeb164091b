// SPDX-License-Identifier: MIT
// Shot creation, flight, the muzzle glow, and expiry.
#include "Projectile.h"

#include "ShotKinds.h"
#include "Steering.h"

#include <algorithm>
#include <cmath>

void InitProjectile(Projectile& q, Vector2 position, float heading, Vector2 velocity,
                    int32_t shotKind, Vector2 targetPosition, Vector2 targetVelocity,
                    Model* model) {
    q.position = position;
    q.velocity = velocity;
    q.heading = heading;
    q.visible = false;
    const ShotKindRow& row = ShotKindOf(shotKind);
    q.lifeLeft = row.lifeSeconds;
    q.lifetime = row.lifeSeconds;
    q.shotKind = shotKind;
    if (!row.aims) {
        double r = heading * DegreesToRadians;
        q.velocity.x = float(std::cos(r) * row.speed + double(velocity.x));
        q.velocity.y = float(std::sin(r) * -row.speed + double(velocity.y));
    } else {
        // Aim in the shooter's frame, where the shot's speed counts, then carry its velocity.
        Vector2 relative = targetVelocity - velocity;
        q.velocity = velocity + InterceptVelocity(row.speed, position, targetPosition, relative);
    }
    q.model = model;
}

bool UpdateProjectile(Projectile& q, float seconds, StepEvents& events) {
    q.position = q.position + q.velocity * seconds;
    q.lifeLeft = q.lifeLeft - seconds;
    const ShotKindRow& row = ShotKindOf(q.shotKind);
    const double glow = row.glowSeconds;
    if (glow > 0 && q.lifeLeft >= row.lifeSeconds - float(glow)) {
        // Fades by the kind's row, whatever this shot's own lifetime: full blue at the row's
        // life left (and before, for a shot that lives longer), dark at `dark` seconds left.
        const double dark = double(row.lifeSeconds) - glow;
        float blue =
            std::min(1.0f, float((double(q.lifeLeft) - dark) / (double(row.lifeSeconds) - dark)));
        StepEvent glow;
        glow.kind = BlueGlow;
        glow.position = q.position;
        glow.blue = blue;
        events.list.push_back(glow);
    }
    return q.lifeLeft < 0;
}
