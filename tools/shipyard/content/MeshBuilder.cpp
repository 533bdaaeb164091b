// SPDX-License-Identifier: MIT
// Low-poly hulls from lofted cross-sections, with texture coordinates and per-corner normals.
#include "MeshBuilder.h"

#include <cmath>
#include <map>
#include <tuple>

namespace {

constexpr float Pi = 3.14159265f;

// Each distinct position's vertex, so that the faces of a primitive share their corners.
using PositionIndex = std::map<std::tuple<float, float, float>, int>;

int VertexAt(MeshBuilder& b, Vector3 p, PositionIndex& index) {
    auto key = std::make_tuple(p.x, p.y, p.z);
    auto found = index.find(key);
    if (found != index.end())
        return found->second;
    b.positions.push_back(p);
    index.emplace(key, int(b.positions.size()) - 1);
    return int(b.positions.size()) - 1;
}

PositionIndex IndexPositions(const MeshBuilder& b) {
    PositionIndex index;
    for (size_t i = 0; i < b.positions.size(); ++i)
        index.emplace(std::make_tuple(b.positions[i].x, b.positions[i].y, b.positions[i].z),
                      int(i));
    return index;
}

Vector3 FaceCross(const MeshBuilder& b, const MeshFace& f) {
    Vector3 p0 = b.positions[f.vertex[0]], p1 = b.positions[f.vertex[1]];
    Vector3 p2 = b.positions[f.vertex[2]];
    return Cross(p1 - p0, p2 - p0);
}

float Fraction(float v, float low, float high) {
    return high > low ? (v - low) / (high - low) : 0;
}

// Box projection of one point for a face with normal n.
void BoxUv(const TextureMapping& m, Vector3 p, Vector3 n, float& s, float& t) {
    float ax = std::fabs(n.x), ay = std::fabs(n.y), az = std::fabs(n.z);
    float fx = Fraction(p.x, m.low.x, m.high.x), fy = Fraction(p.y, m.low.y, m.high.y);
    float fz = Fraction(p.z, m.low.z, m.high.z);
    if (az >= 0.5f) {
        s = m.plan.s0 + fx * (m.plan.s1 - m.plan.s0);
        t = m.plan.t0 + fy * (m.plan.t1 - m.plan.t0);
        return;
    }
    float along = ax > ay ? fy : fx;
    s = m.side.s0 + along * (m.side.s1 - m.side.s0);
    t = m.side.t0 + fz * (m.side.t1 - m.side.t0);
}

// Corner positions with their loft coordinates (length along the loft, fraction round it).
struct Corner {
    Vector3 p;
    float along = 0, round = 0;
};

void AddFace(MeshBuilder& b, PositionIndex& index, Corner c0, Corner c1, Corner c2, bool wrapped,
             int smoothingId) {
    Vector3 n = Cross(c1.p - c0.p, c2.p - c0.p);
    if (Length(n) < 1e-9f)
        return; // a sliver where a ring shrinks to a point
    n = Normalized(n);
    MeshFace f;
    const Corner* cs[3] = {&c0, &c1, &c2};
    const TextureMapping& m = b.brush.mapping;
    for (int k = 0; k < 3; ++k) {
        f.vertex[k] = VertexAt(b, cs[k]->p, index);
        if (wrapped) {
            f.s[k] = cs[k]->along / m.wrapLength;
            f.t[k] = m.wrapT0 + cs[k]->round * (m.wrapT1 - m.wrapT0);
        } else {
            BoxUv(m, cs[k]->p, n, f.s[k], f.t[k]);
        }
    }
    f.group = b.brush.group;
    f.smoothingId = b.brush.smooth ? smoothingId : 0;
    f.creaseCos = std::cos(b.brush.creaseDegrees * Pi / 180);
    b.faces.push_back(f);
}

Vector3 Centroid(const Ring& ring) {
    Vector3 sum;
    for (Vector3 p : ring)
        sum += p;
    return sum / float(ring.size());
}

bool Collapsed(const Ring& ring) {
    Vector3 c = Centroid(ring);
    for (Vector3 p : ring)
        if (Length(p - c) > 1e-6f)
            return false;
    return true;
}

// A fan from the ring's centre. The sides walk each ring's edges forwards at the loft's start
// and backwards at its end; a cap must walk them the other way to close the surface.
void Cap(MeshBuilder& b, PositionIndex& index, const Ring& ring, bool atStart, int smoothingId) {
    if (Collapsed(ring))
        return;
    Corner centre{Centroid(ring)};
    for (size_t j = 0; j < ring.size(); ++j) {
        Corner p{ring[j]}, q{ring[(j + 1) % ring.size()]};
        if (atStart)
            std::swap(p, q);
        AddFace(b, index, centre, p, q, false, smoothingId);
    }
}

// Reverses every face from `first` on when together they enclose a negative volume.
void FaceOutward(MeshBuilder& b, size_t first) {
    if (first >= b.faces.size())
        return;
    Vector3 origin = b.positions[b.faces[first].vertex[0]];
    double volume = 0;
    for (size_t i = first; i < b.faces.size(); ++i) {
        const MeshFace& f = b.faces[i];
        Vector3 p0 = b.positions[f.vertex[0]] - origin, p1 = b.positions[f.vertex[1]] - origin;
        Vector3 p2 = b.positions[f.vertex[2]] - origin;
        volume += Dot(p0, Cross(p1, p2));
    }
    if (volume >= 0)
        return;
    for (size_t i = first; i < b.faces.size(); ++i) {
        MeshFace& f = b.faces[i];
        std::swap(f.vertex[1], f.vertex[2]);
        std::swap(f.s[1], f.s[2]);
        std::swap(f.t[1], f.t[2]);
    }
}

} // namespace

int AddMaterial(MeshBuilder& builder, const Ms3dMaterial& material) {
    builder.materials.push_back(material);
    return int(builder.materials.size()) - 1;
}

void BeginGroup(MeshBuilder& builder, const char* name, int materialIndex) {
    Ms3dGroup g;
    g.name = name;
    g.materialIndex = int8_t(materialIndex);
    builder.groups.push_back(g);
    builder.brush.group = int(builder.groups.size()) - 1;
}

void AddLoft(MeshBuilder& b, const std::vector<Ring>& rings, bool closedLoop) {
    if (rings.size() < 2)
        return;
    PositionIndex index = IndexPositions(b);
    size_t first = b.faces.size();
    int id = ++b.primitives;
    bool wrapped = b.brush.mapping.wrapLength > 0;
    size_t n = rings[0].size();
    size_t spans = closedLoop ? rings.size() : rings.size() - 1;
    float along = 0;
    for (size_t i = 0; i < spans; ++i) {
        const Ring& r0 = rings[i];
        const Ring& r1 = rings[(i + 1) % rings.size()];
        float next = along + Length(Centroid(r1) - Centroid(r0));
        for (size_t j = 0; j < n; ++j) {
            size_t k = (j + 1) % n;
            float u0 = float(j) / n, u1 = float(j + 1) / n;
            Corner a{r0[j], along, u0}, c{r0[k], along, u1};
            Corner d{r1[j], next, u0}, e{r1[k], next, u1};
            AddFace(b, index, a, c, e, wrapped, id);
            AddFace(b, index, a, e, d, wrapped, id);
        }
        along = next;
    }
    if (!closedLoop) {
        Cap(b, index, rings.front(), true, id);
        Cap(b, index, rings.back(), false, id);
    }
    FaceOutward(b, first);
}

void AddMirroredLoft(MeshBuilder& builder, const std::vector<Ring>& rings, bool closedLoop) {
    AddLoft(builder, rings, closedLoop);
    std::vector<Ring> mirrored = rings;
    for (Ring& ring : mirrored)
        for (Vector3& p : ring)
            p.y = -p.y;
    AddLoft(builder, mirrored, closedLoop);
}

Ring PlaceProfile(Vector3 origin, Vector3 a, Vector3 b, const Profile& profile) {
    Ring ring;
    for (Vector2 p : profile)
        ring.push_back(origin + a * p.x + b * p.y);
    return ring;
}

Ring CrossSection(float x, float z, const Profile& profile) {
    return PlaceProfile({x, 0, z}, {0, 1, 0}, {0, 0, 1}, profile);
}

std::vector<Ring> Sweep(const std::vector<Vector3>& path, const std::vector<Vector2>& radii,
                        const Profile& unitProfile, bool closedLoop) {
    std::vector<Ring> rings;
    size_t n = path.size();
    for (size_t i = 0; i < n && i < radii.size(); ++i) {
        Vector3 before = i > 0 ? path[i - 1] : (closedLoop ? path[n - 1] : path[i]);
        Vector3 after = i + 1 < n ? path[i + 1] : (closedLoop ? path[0] : path[i]);
        Vector3 tangent = Normalized(after - before);
        Vector3 side = Cross(Vector3(0, 0, 1), tangent);
        side = Length(side) > 1e-4f ? Normalized(side) : Vector3(0, 1, 0);
        Vector3 up = Cross(tangent, side);
        Profile scaled;
        for (Vector2 p : unitProfile)
            scaled.push_back({p.x * radii[i].x, p.y * radii[i].y});
        rings.push_back(PlaceProfile(path[i], side, up, scaled));
    }
    return rings;
}

Profile LensProfile(float halfWidth, float top, float bottom, int m) {
    Profile p;
    for (int k = 0; k <= 2 * m; ++k) {
        float f = std::cos(Pi * k / (2 * m));
        p.push_back({halfWidth * f, top * (1 - f * f)});
    }
    for (int k = 1; k < 2 * m; ++k) {
        float f = -std::cos(Pi * k / (2 * m));
        p.push_back({halfWidth * f, -bottom * (1 - f * f)});
    }
    return p;
}

Profile EllipseProfile(float a, float b, int n, float phase) {
    Profile p;
    for (int k = 0; k < n; ++k) {
        float angle = phase + 2 * Pi * k / n;
        p.push_back({a * std::cos(angle), b * std::sin(angle)});
    }
    return p;
}

Profile AirfoilProfile(float chord, float thickness) {
    return {{0, 0},      {-0.2f * chord, 0.5f * thickness},    {-0.55f * chord, 0.35f * thickness},
            {-chord, 0}, {-0.55f * chord, -0.25f * thickness}, {-0.2f * chord, -0.35f * thickness}};
}

namespace {

float CornerAngle(const MeshBuilder& b, const MeshFace& f, int k) {
    Vector3 p = b.positions[f.vertex[k]];
    Vector3 e1 = Normalized(b.positions[f.vertex[(k + 1) % 3]] - p);
    Vector3 e2 = Normalized(b.positions[f.vertex[(k + 2) % 3]] - p);
    float c = Dot(e1, e2);
    return float(std::acos(double(c < -1 ? -1 : (c > 1 ? 1 : c))));
}

// Each corner's normal: the angle-weighted mean of the face normals round its vertex that
// belong to the same primitive and turn less than the crease from this face.
std::vector<Vector3> CornerNormals(const MeshBuilder& b) {
    size_t count = b.faces.size();
    std::vector<Vector3> faceNormal(count);
    std::vector<std::vector<std::pair<size_t, int>>> around(b.positions.size());
    for (size_t i = 0; i < count; ++i) {
        faceNormal[i] = Normalized(FaceCross(b, b.faces[i]));
        for (int k = 0; k < 3; ++k)
            around[b.faces[i].vertex[k]].push_back({i, k});
    }
    std::vector<Vector3> normals(count * 3);
    for (size_t i = 0; i < count; ++i) {
        const MeshFace& f = b.faces[i];
        for (int k = 0; k < 3; ++k) {
            if (f.smoothingId == 0) {
                normals[i * 3 + k] = faceNormal[i];
                continue;
            }
            Vector3 sum;
            for (auto [j, corner] : around[f.vertex[k]])
                if (b.faces[j].smoothingId == f.smoothingId &&
                    Dot(faceNormal[i], faceNormal[j]) >= f.creaseCos)
                    sum += faceNormal[j] * CornerAngle(b, b.faces[j], corner);
            normals[i * 3 + k] = Length(sum) > 1e-12f ? Normalized(sum) : faceNormal[i];
        }
    }
    return normals;
}

} // namespace

Ms3dModel FinishModel(const MeshBuilder& b) {
    Ms3dModel model;
    model.vertices = b.positions;
    model.materials = b.materials;
    model.groups = b.groups;
    std::vector<Vector3> normals = CornerNormals(b);
    for (size_t i = 0; i < b.faces.size(); ++i) {
        const MeshFace& f = b.faces[i];
        Ms3dTriangle t;
        for (int k = 0; k < 3; ++k) {
            t.vertexIndices[k] = uint16_t(f.vertex[k]);
            t.normals[k] = normals[i * 3 + k];
            t.s[k] = f.s[k];
            t.t[k] = f.t[k];
        }
        t.smoothingGroup = uint8_t(f.smoothingId == 0 ? 0 : 1 + (f.smoothingId - 1) % 32);
        model.triangles.push_back(t);
        if (f.group >= 0 && size_t(f.group) < model.groups.size())
            model.groups[f.group].triangleIndices.push_back(uint16_t(i));
    }
    return model;
}
