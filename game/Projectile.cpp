// SPDX-License-Identifier: MIT
// Shot creation, flight, the muzzle glow of straight shots, and expiry.
#include "Projectile.h"

#include "Steering.h"

#include <cmath>

namespace {

constexpr float ShotLifetime = 6.0f;
constexpr double StraightShotSpeed = 100.0;
constexpr double AimedShotSpeed = 50.0;
constexpr float GlowSeconds = 0.3f;

} // namespace

void InitProjectile(Projectile& q, Vector2 position, float heading, Vector2 velocity,
                    int32_t shotKind, Vector2 targetPosition, Vector2 targetVelocity,
                    Model* model) {
    q.position = position;
    q.velocity = velocity;
    q.heading = heading;
    q.visible = false;
    q.lifeLeft = ShotLifetime;
    q.lifetime = ShotLifetime;
    q.shotKind = shotKind;
    if (shotKind == StraightShot) {
        double r = heading * DegreesToRadians;
        q.velocity.x = float(std::cos(r) * StraightShotSpeed + double(velocity.x));
        q.velocity.y = float(std::sin(r) * -StraightShotSpeed + double(velocity.y));
    } else if (shotKind == AimedShot) {
        // Aim in the shooter's frame, where the shot's speed counts, then carry its velocity.
        Vector2 relative = targetVelocity - velocity;
        q.velocity =
            velocity + InterceptVelocity(AimedShotSpeed, position, targetPosition, relative);
    }
    q.model = model;
}

bool UpdateProjectile(Projectile& q, float seconds, StepEvents& events) {
    q.position = q.position + q.velocity * seconds;
    q.lifeLeft = q.lifeLeft - seconds;
    if (q.shotKind == StraightShot && q.lifeLeft >= q.lifetime - GlowSeconds) {
        // Fades from full blue at the muzzle to dark once the shot is 0.3 seconds old.
        float blue = float((double(q.lifeLeft) - 5.7) / (double(q.lifetime) - 5.7));
        StepEvent glow;
        glow.kind = BlueGlow;
        glow.position = q.position;
        glow.blue = blue;
        events.list.push_back(glow);
    }
    return q.lifeLeft < 0;
}
