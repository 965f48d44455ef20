#include "MeshBuilder.h"

#include <cmath>

Tile atlasTile(int column, int row) {
    // Half a texel in from each edge, so linear filtering never reaches the next tile.
    const float inset = 0.5f / AtlasSize;
    const float step = 1.0f / AtlasTiles;
    return {column * step + inset, 1.0f - (row + 1) * step + inset, (column + 1) * step - inset,
            1.0f - row * step - inset};
}

namespace {

Vec2 at(const Tile& t, float s, float r) {
    return {t.u0 + (t.u1 - t.u0) * s, t.v0 + (t.v1 - t.v0) * r};
}

} // namespace

void MeshBuilder::triangle(Vec3 a, Vec3 b, Vec3 c, Vec2 ta, Vec2 tb, Vec2 tc) {
    mesh_.positions.insert(mesh_.positions.end(), {place_.apply(a), place_.apply(b), place_.apply(c)});
    mesh_.texCoords.insert(mesh_.texCoords.end(), {ta, tb, tc});
}

void MeshBuilder::quad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, const Tile& tile) {
    const Vec2 ta = at(tile, 0, 0), tb = at(tile, 1, 0), tc = at(tile, 1, 1), td = at(tile, 0, 1);
    triangle(a, b, c, ta, tb, tc);
    triangle(a, c, d, ta, tc, td);
}

void MeshBuilder::orientedQuad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, Vec2 ta, Vec2 tb, Vec2 tc, Vec2 td,
                               Vec3 inside) {
    const Vec3 normal = cross(b - a, c - b);
    const Vec3 centre = (a + b + c + d) * 0.25f;
    if (dot(normal, centre - inside) >= 0.0f) {
        triangle(a, b, c, ta, tb, tc);
        triangle(a, c, d, ta, tc, td);
    } else {
        triangle(a, c, b, ta, tc, tb);
        triangle(a, d, c, ta, td, tc);
    }
}

void MeshBuilder::box(Vec3 l, Vec3 h, const Tile& sides, const Tile& top, const Tile& bottom) {
    quad({l.x, l.y, h.z}, {h.x, l.y, h.z}, {h.x, h.y, h.z}, {l.x, h.y, h.z}, sides); // front, +z
    quad({h.x, l.y, l.z}, {l.x, l.y, l.z}, {l.x, h.y, l.z}, {h.x, h.y, l.z}, sides); // back
    quad({h.x, l.y, h.z}, {h.x, l.y, l.z}, {h.x, h.y, l.z}, {h.x, h.y, h.z}, sides); // +x
    quad({l.x, l.y, l.z}, {l.x, l.y, h.z}, {l.x, h.y, h.z}, {l.x, h.y, l.z}, sides); // -x
    quad({l.x, h.y, h.z}, {h.x, h.y, h.z}, {h.x, h.y, l.z}, {l.x, h.y, l.z}, top);
    quad({l.x, l.y, l.z}, {h.x, l.y, l.z}, {h.x, l.y, h.z}, {l.x, l.y, h.z}, bottom);
}

void MeshBuilder::frustum(float y0, float r0, float y1, float r1, int segments, const Tile& side,
                          const Tile& cap) {
    const Vec3 inside{0, (y0 + y1) * 0.5f, 0};
    auto ring = [&](int i, float y, float r) {
        const float a = 2.0f * 3.14159265f * i / segments;
        return Vec3{std::sin(a) * r, y, std::cos(a) * r};
    };
    for (int i = 0; i < segments; ++i) {
        const float s0 = static_cast<float>(i) / segments, s1 = static_cast<float>(i + 1) / segments;
        const Vec3 p0 = ring(i, y0, r0), p1 = ring(i + 1, y0, r0), q1 = ring(i + 1, y1, r1),
                   q0 = ring(i, y1, r1);
        if (r1 <= 0.0f) {
            triangle(p0, p1, q0, at(side, s0, 0), at(side, s1, 0), at(side, (s0 + s1) * 0.5f, 1));
        } else if (r0 <= 0.0f) {
            triangle(p0, q1, q0, at(side, (s0 + s1) * 0.5f, 0), at(side, s1, 1), at(side, s0, 1));
        } else {
            orientedQuad(p0, p1, q1, q0, at(side, s0, 0), at(side, s1, 0), at(side, s1, 1), at(side, s0, 1),
                         inside);
        }
    }
    auto capDisc = [&](float y, float r, bool up) {
        if (r <= 0.0f) {
            return;
        }
        const Vec3 centre{0, y, 0};
        for (int i = 0; i < segments; ++i) {
            const Vec3 a = ring(i, y, r), b = ring(i + 1, y, r);
            const Vec2 ta = at(cap, 0.5f + a.x / (2 * r), 0.5f + a.z / (2 * r));
            const Vec2 tb = at(cap, 0.5f + b.x / (2 * r), 0.5f + b.z / (2 * r));
            if (up) {
                triangle(centre, a, b, at(cap, 0.5f, 0.5f), ta, tb);
            } else {
                triangle(centre, b, a, at(cap, 0.5f, 0.5f), tb, ta);
            }
        }
    };
    capDisc(y1, r1, true);
    capDisc(y0, r0, false);
}

void MeshBuilder::ellipsoid(Vec3 centre, Vec3 radii, int stacks, int segments, const Tile& tile) {
    auto point = [&](int stack, int segment) {
        const float polar = 3.14159265f * stack / stacks;
        const float a = 2.0f * 3.14159265f * segment / segments;
        return centre + Vec3{std::sin(polar) * std::sin(a) * radii.x, std::cos(polar) * radii.y,
                             std::sin(polar) * std::cos(a) * radii.z};
    };
    for (int s = 0; s < stacks; ++s) {
        for (int i = 0; i < segments; ++i) {
            const float u0 = static_cast<float>(i) / segments, u1 = static_cast<float>(i + 1) / segments;
            const float v0 = 1.0f - static_cast<float>(s) / stacks,
                        v1 = 1.0f - static_cast<float>(s + 1) / stacks;
            const Vec3 a = point(s, i), b = point(s + 1, i), c = point(s + 1, i + 1), d = point(s, i + 1);
            if (s == 0) {
                triangle(a, b, c, at(tile, u0, v0), at(tile, u0, v1), at(tile, u1, v1));
            } else if (s == stacks - 1) {
                triangle(a, b, d, at(tile, u0, v0), at(tile, u0, v1), at(tile, u1, v0));
            } else {
                orientedQuad(a, b, c, d, at(tile, u0, v0), at(tile, u0, v1), at(tile, u1, v1),
                             at(tile, u1, v0), centre);
            }
        }
    }
}

void MeshBuilder::gable(float x0, float x1, float z0, float z1, float y0, float y1, const Tile& roof,
                        const Tile& gableEnd) {
    const float zm = (z0 + z1) * 0.5f;
    quad({x0, y0, z1}, {x1, y0, z1}, {x1, y1, zm}, {x0, y1, zm}, roof);
    quad({x1, y0, z0}, {x0, y0, z0}, {x0, y1, zm}, {x1, y1, zm}, roof);
    triangle({x1, y0, z1}, {x1, y0, z0}, {x1, y1, zm}, at(gableEnd, 0, 0), at(gableEnd, 1, 0),
             at(gableEnd, 0.5f, 1));
    triangle({x0, y0, z0}, {x0, y0, z1}, {x0, y1, zm}, at(gableEnd, 0, 0), at(gableEnd, 1, 0),
             at(gableEnd, 0.5f, 1));
}
