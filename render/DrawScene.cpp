// SPDX-License-Identifier: MIT
// Scene drawing: stars, ships, shots and scenery through GL, in the windows the step judges.
#include "DrawScene.h"

#include "DrawWindows.h"
#include "Model.h"
#include "World.h"

#include <GL/gl.h>

namespace {

// Stars lie 40 to 80 units below the plane of play; with depth testing off they never hide
// anything drawn after them.
const float StarDepth = 80;

void DrawStars(const World& w, Vector2 centre) {
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glBegin(GL_POINTS);
    for (const Star& star : w.stars) {
        if (!InsideWindow(centre, StarWindow, star.position.x, star.position.y))
            continue;
        glColor3f(star.colour.x, star.colour.y, star.colour.z);
        glVertex3f(star.position.x, star.position.y, star.position.z - StarDepth);
    }
    glEnd();
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
}

template <typename Moving> void DrawInPlane(const Moving& object) {
    if (!object.model) // a shot made without a "Bullet" type has nothing to draw
        return;
    glPushMatrix();
    glTranslated(object.position.x, object.position.y, 0.0);
    glRotated(object.heading, 0.0, 0.0, -1.0);
    object.model->draw();
    glPopMatrix();
}

} // namespace

void DrawShip(const Ship& ship) {
    DrawInPlane(ship);
}

void DrawShip(const Projectile& projectile) {
    DrawInPlane(projectile);
}

void DrawFaintShip(const Ship& ship, float opacity) {
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_BLEND);
    glBlendColor(0, 0, 0, opacity);
    glBlendFunc(GL_CONSTANT_ALPHA, GL_ONE_MINUS_CONSTANT_ALPHA);
    glDepthMask(GL_FALSE);
    DrawShip(ship);
    glPopAttrib();
}

void DrawSceneryObject(const SceneryObject& object) {
    glPushMatrix();
    glTranslatef(object.position.x, object.position.y, object.position.z);
    glRotatef(object.angle, 0, 0, -1);
    object.model->draw();
    glPopMatrix();
}

void DrawScene(World& w) {
    // Round the player's ship where it is now; the followed position the step keeps is where its
    // last turn began.
    Vector2 centre = w.ships.empty() ? w.followedPosition : w.ships.front().position;
    DrawStars(w, centre);
    for (const Ship& ship : w.ships)
        if (!ship.computerControlled || ship.visible)
            DrawShip(ship);
    for (const Projectile& projectile : w.projectiles)
        if (projectile.visible)
            DrawShip(projectile);
    for (SceneryObject& object : w.scenery) {
        object.visible = InsideWindow(centre, SceneryWindow, object.position.x, object.position.y);
        if (object.visible)
            DrawSceneryObject(object);
    }
}
