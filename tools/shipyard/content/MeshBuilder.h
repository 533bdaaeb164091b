// SPDX-License-Identifier: MIT
// Low-poly hulls from lofted cross-sections, with texture coordinates and per-corner normals.
#pragma once

#include "Ms3dWriter.h"

#include <vector>

// A rectangle of the texture in GL coordinates.
struct TextureRect {
    float s0 = 0, t0 = 0, s1 = 1, t1 = 1;
};

// How new surfaces get texture coordinates. By default a box projection over the region
// low..high of model space: faces that look mostly up or down show the region's plan in `plan`
// (x to s, y to t), the others a side view in `side` (x, or y for faces looking fore or aft, to
// s; z to t). With wrapLength above 0, a loft instead runs s along its length, one texture
// width per wrapLength units and repeating, and t round its sections through wrapT0..wrapT1;
// its caps keep the box projection.
struct TextureMapping {
    Vector3 low{-1, -1, -1}, high{1, 1, 1};
    TextureRect plan, side;
    float wrapLength = 0;
    float wrapT0 = 0, wrapT1 = 1;
};

// The settings for the next surfaces.
struct Brush {
    int group = 0;            // the group (mesh) that takes the triangles
    bool smooth = true;       // corners share normals across edges gentler than the crease
    float creaseDegrees = 45; // a sharper turn between two faces stays a crisp edge
    TextureMapping mapping;
};

struct MeshFace {
    int vertex[3] = {};
    float s[3] = {}, t[3] = {};
    int group = 0;
    int smoothingId = 0; // 0: flat; faces smooth only with faces of the same primitive
    float creaseCos = 1;
};

struct MeshBuilder {
    std::vector<Vector3> positions; // each distinct position once
    std::vector<MeshFace> faces;
    std::vector<Ms3dGroup> groups;
    std::vector<Ms3dMaterial> materials;
    Brush brush;
    int primitives = 0;
};

using Profile = std::vector<Vector2>; // a closed outline in its own plane
using Ring = std::vector<Vector3>;    // a closed outline placed in model space

int AddMaterial(MeshBuilder& builder, const Ms3dMaterial& material);
// Adds a group using the material and points the brush at it.
void BeginGroup(MeshBuilder& builder, const char* name, int materialIndex);

// Joins consecutive rings (all of one point count) with quads; a closed loop also joins the
// last ring to the first, otherwise both end rings are capped unless they shrink to a point.
// The finished primitive is turned, if need be, so that every face looks outward.
void AddLoft(MeshBuilder& builder, const std::vector<Ring>& rings, bool closedLoop = false);
// The loft and its mirror image across the plane y = 0.
void AddMirroredLoft(MeshBuilder& builder, const std::vector<Ring>& rings, bool closedLoop = false);

// Places a profile in the plane through `origin` spanned by `a` (profile x) and `b` (profile y).
Ring PlaceProfile(Vector3 origin, Vector3 a, Vector3 b, const Profile& profile);
// A section across the x axis at (x, 0, z): profile x runs along +y, profile y along +z.
Ring CrossSection(float x, float z, const Profile& profile);
// Sections of a tube swept along a path, each square to the path, with a horizontal and a
// vertical half-size per path point (0 and 0 for a point); a closed loop joins end to start.
std::vector<Ring> Sweep(const std::vector<Vector3>& path, const std::vector<Vector2>& radii,
                        const Profile& unitProfile, bool closedLoop);

// A lens: parabolic top and bottom meeting in two sharp chines at +-halfWidth (4m points).
Profile LensProfile(float halfWidth, float top, float bottom, int m);
// An ellipse of half-axes a and b, n points, starting at angle `phase` (radians).
Profile EllipseProfile(float a, float b, int n, float phase = 0);
// A wing section from the leading edge at 0 back to the trailing edge at -chord.
Profile AirfoilProfile(float chord, float thickness);

// Per-corner normals, group records and materials: the model as the file holds it.
Ms3dModel FinishModel(const MeshBuilder& builder);
