#pragma once

#include "ModelData.h"

// A rectangle of a skin in texture coordinates (v = 0 at the bottom of the picture).
struct Tile {
    float u0 = 0.0f;
    float v0 = 0.0f;
    float u1 = 1.0f;
    float v1 = 1.0f;
};

// Skins are atlases of 8 x 8 square tiles; (column, row) counts from the top-left tile.
constexpr int AtlasTiles = 8;
constexpr int AtlasSize = 256;
constexpr int TileSize = AtlasSize / AtlasTiles;
Tile atlasTile(int column, int row);

// Appends primitives to a mesh, each placed by a transform. Every face is wound so that its
// normal ((q - p) x (r - q) over corners p, q, r) points out of the solid.
class MeshBuilder {
public:
    MeshBuilder(ModelFileMesh& mesh, const Transform& place) : mesh_(mesh), place_(place) {}

    void triangle(Vec3 a, Vec3 b, Vec3 c, Vec2 ta, Vec2 tb, Vec2 tc);
    // A quad a-b-c-d counter-clockwise seen from outside, a at the tile's bottom-left.
    void quad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, const Tile& tile);
    // An axis-aligned box from `low` to `high`; the top and bottom may show other tiles.
    void box(Vec3 low, Vec3 high, const Tile& sides, const Tile& top, const Tile& bottom);
    void box(Vec3 low, Vec3 high, const Tile& all) { box(low, high, all, all, all); }
    // A frustum around the y axis from y0 (radius r0) to y1 (radius r1); the side wraps the
    // tile once around, the caps show `cap` (a radius of 0 closes without a cap).
    void frustum(float y0, float r0, float y1, float r1, int segments, const Tile& side, const Tile& cap);
    // A low sphere (stacks x segments) around `centre`, stretched by `radii`.
    void ellipsoid(Vec3 centre, Vec3 radii, int stacks, int segments, const Tile& tile);
    // A roof: a prism over the rectangle x0..x1, z0..z1 at height y0 with its ridge along x at y1.
    void gable(float x0, float x1, float z0, float z1, float y0, float y1, const Tile& roof,
               const Tile& gableEnd);

private:
    void orientedQuad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, Vec2 ta, Vec2 tb, Vec2 tc, Vec2 td, Vec3 inside);

    ModelFileMesh& mesh_;
    Transform place_;
};
