// SPDX-License-Identifier: MIT
// What DrawScene really hands to GL, caught in feedback mode: which stars, ships, shots and
// scenery pass their windows, and where a ship's model ends up.
#include "DrawScene.h"
#include "GLTest.h"
#include "Model.h"
#include "World.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A model of `triangles` small triangles, nose along +x: enough to tell the kinds apart.
class CountingModel : public Model {
  public:
    explicit CountingModel(int triangleTotal) {
        vertices.resize(3);
        vertices[1].position[0] = 1;
        vertices[2].position[1] = 0.5f;
        vertexCount = 3;
        triangles.resize(1);
        for (int k = 0; k < 3; ++k)
            triangles[0].vertexIndices[k] = k;
        triangleCount = 1;
        meshes.resize(1);
        meshes[0].triangleIndices.assign(triangleTotal, 0);
        meshes[0].triangleCount = triangleTotal;
        meshCount = 1;
        buildDisplayList();
    }
    bool load(const char*) override { return true; }
};

struct Drawn {
    std::vector<std::vector<float>> points;   // x, y, z, r, g, b, a in window coordinates
    std::vector<std::vector<float>> polygons; // the three corners' x, y
};

// Draws the scene in feedback mode under an orthographic view of [-half, half] round `centre`.
Drawn Capture(World& w, Vector2 centre, float half) {
    ResetGLState();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(centre.x - half, centre.x + half, centre.y - half, centre.y + half, -500, 500);
    glMatrixMode(GL_MODELVIEW);
    std::vector<GLfloat> buffer(200000);
    glFeedbackBuffer(GLsizei(buffer.size()), GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    DrawScene(w);
    GLint used = glRenderMode(GL_RENDER);
    Drawn drawn;
    for (GLint i = 0; i < used;) {
        GLfloat token = buffer[i++];
        if (token == GL_POINT_TOKEN) {
            drawn.points.emplace_back(buffer.begin() + i, buffer.begin() + i + 7);
            i += 7;
        } else if (token == GL_POLYGON_TOKEN) {
            int corners = int(buffer[i++]);
            std::vector<float> xy;
            for (int c = 0; c < corners; ++c, i += 7)
                xy.insert(xy.end(), {buffer[i], buffer[i + 1]});
            drawn.polygons.push_back(xy);
        } else {
            ADD_FAILURE() << "unexpected feedback token " << token;
            break;
        }
    }
    ResetGLState();
    return drawn;
}

class Scene : public testing::Test {
  protected:
    CountingModel shipModel{1}, shotModel{10}, sceneryModel{100};
    World w;

    Ship& AddShip(float x, float y, bool computerControlled, bool visible) {
        Ship ship;
        ship.position = Vector2(x, y);
        ship.computerControlled = computerControlled;
        ship.visible = visible;
        ship.model = &shipModel;
        w.ships.push_back(ship);
        return w.ships.back();
    }
    void AddStar(float x, float y, float shade) {
        w.stars.push_back(Star{Vector3(x, y, 10), Vector3(shade, shade, shade)});
    }
    size_t Polygons(Vector2 centre = Vector2(0, 0), float half = 300) {
        return Capture(w, centre, half).polygons.size();
    }
};

} // namespace

TEST_F(Scene, StarsStrictlyInsideTheirWindowAreDrawnInTheirOwnShade) {
    AddShip(10, 20, false, false);
    const float inside[][2] = {{10 - 82.9f, 20}, {10 + 82.9f, 20}, {10, 20 - 62.9f}, {10, 82.9f}};
    const float onEdge[][2] = {{10 - 83, 20}, {10 + 83, 20}, {10, 20 - 63}, {10, 20 + 63}};
    for (auto& p : onEdge)
        AddStar(p[0], p[1], 1);
    for (auto& p : inside)
        AddStar(p[0], p[1], 0.5f);
    AddStar(400, 400, 1);
    Drawn drawn = Capture(w, Vector2(10, 20), 200);
    ASSERT_EQ(drawn.points.size(), 4u);
    for (const auto& point : drawn.points) {
        EXPECT_NEAR(point[3], 0.5f, 0.01f);
        EXPECT_NEAR(point[4], 0.5f, 0.01f);
        EXPECT_NEAR(point[5], 0.5f, 0.01f);
    }
    // Round the first ship, the player's, where it is now; the step alone writes the followed
    // position.
    EXPECT_TRUE(w.followedPosition == Vector2(0, 0));
}

TEST_F(Scene, ThePlayerIsAlwaysDrawnOtherShipsAndShotsOnlyWhenVisible) {
    AddShip(0, 0, false, false);
    AddShip(5, 0, true, true);
    AddShip(-5, 0, true, false); // on screen, but the step judged it outside its window
    Projectile shot;
    shot.model = &shotModel;
    shot.visible = true;
    w.projectiles.push_back(shot);
    shot.visible = false;
    w.projectiles.push_back(shot);
    EXPECT_EQ(Polygons(), 2u + 10u);

    w.ships.resize(1); // every chaser gone
    w.projectiles.clear();
    EXPECT_EQ(Polygons(), 1u);
}

TEST_F(Scene, SceneryIsDrawnWhileTheViewIsWithinItsWindow) {
    w.scenery.push_back(SceneryObject{Vector3(0, 0, -30), -90, false, &sceneryModel});
    struct Case {
        float x, y;
        bool drawn;
    } const cases[] = {
        {0, 0, true},     {99.9f, 0, true}, {100, 0, false}, {-100, 0, false},
        {0, 69.9f, true}, {0, -70, false},  {0, 70, false},  {99, -69, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        w.ships.clear();
        AddShip(c.x, c.y, false, false);
        EXPECT_EQ(Polygons(Vector2(c.x, c.y)), c.drawn ? 101u : 1u);
        EXPECT_EQ(w.scenery[0].visible, c.drawn);
    }
}

TEST_F(Scene, AShipFacesItsHeadingClockwiseFromPlusX) {
    Ship& ship = AddShip(10, 20, false, false);
    ship.heading = 90; // a quarter turn clockwise seen from above: the nose points to -y
    Drawn drawn = Capture(w, Vector2(10, 20), 64); // 1 pixel per unit, centre at pixel 64
    ASSERT_EQ(drawn.polygons.size(), 1u);
    const std::vector<float>& xy = drawn.polygons[0];
    EXPECT_NEAR(xy[0], 64, 0.01); // the model's origin at the ship's position
    EXPECT_NEAR(xy[1], 64, 0.01);
    EXPECT_NEAR(xy[2], 64, 0.01);       // the nose, one unit along +x in the model ...
    EXPECT_NEAR(xy[3], 64 - 1, 0.01);   // ... one unit down the screen
    EXPECT_NEAR(xy[4], 64 + 0.5, 0.01); // the model's +y half a unit to the right
    EXPECT_NEAR(xy[5], 64, 0.01);
}

TEST_F(Scene, AFaintShipIsBlendedOverWhatIsDrawnAtItsOpacity) {
    Ship& ship = AddShip(0, 0, false, false);
    const struct {
        float opacity;
        int grey; // a black model over white: 255 * (1 - opacity)
    } rows[] = {{1, 0}, {0.25f, 191}, {0, 255}};
    for (const auto& row : rows) {
        ResetGLState();
        glMatrixMode(GL_PROJECTION);
        glOrtho(0, 1, 0, 0.5, -10, 10); // the triangle's corner (1, 0.5) at the top right
        glMatrixMode(GL_MODELVIEW);
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glColor3f(0, 0, 0);
        glEnable(GL_DEPTH_TEST);
        DrawFaintShip(ship, row.opacity);
        // Inside the triangle (0, 0), (1, 0), (0, 0.5), near the origin.
        EXPECT_NEAR(ReadPixel(GLTestWidth / 8, GLTestHeight / 8)[0], row.grey, 2) << row.opacity;
        EXPECT_FALSE(glIsEnabled(GL_BLEND)) << row.opacity;
        GLboolean depthWrites = GL_FALSE;
        glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
        EXPECT_TRUE(depthWrites) << row.opacity;
    }
    glClearColor(0, 0, 0, 0);
    ResetGLState();
}
