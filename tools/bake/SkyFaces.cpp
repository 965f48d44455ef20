#include "SkyFaces.h"

#include "Geometry.h"
#include "Noise.h"

#include <algorithm>
#include <cmath>

namespace {

// The corners of each face, at texture coordinates (0, 1), (1, 1), (1, 0), (0, 0): the same
// quads the sky is drawn with.
struct Face {
    const char* suffix;
    Vec3 corners[4];
};

const Face Faces[6] = {
    {"ft", {{1, 1, 1}, {-1, 1, 1}, {-1, -1, 1}, {1, -1, 1}}},
    {"bk", {{-1, 1, -1}, {1, 1, -1}, {1, -1, -1}, {-1, -1, -1}}},
    {"lf", {{-1, 1, 1}, {-1, 1, -1}, {-1, -1, -1}, {-1, -1, 1}}},
    {"rt", {{1, 1, -1}, {1, 1, 1}, {1, -1, 1}, {1, -1, -1}}},
    {"up", {{-1, 1, -1}, {-1, 1, 1}, {1, 1, 1}, {1, 1, -1}}},
    {"dn", {{1, -1, -1}, {1, -1, 1}, {-1, -1, 1}, {-1, -1, -1}}},
};

const Vec3 Sun = normalise({0.55f, 0.32f, -0.77f});

} // namespace

Rgb skyColour(Vec3 d) {
    const Rgb zenith = rgb(52, 104, 178), horizon = rgb(196, 214, 228), haze = rgb(176, 184, 176);
    const float up = d.y;
    Rgb c = mix(horizon, zenith, std::pow(clamp01(up), 0.55f));
    // Distant hills along the horizon, a bluish silhouette that never repeats around the circle.
    const float azimuth = std::atan2(d.x, d.z);
    const float ridge = 0.03f + 0.07f * fractalNoise(std::cos(azimuth) * 3.0f + 5.0f,
                                                     std::sin(azimuth) * 3.0f + 5.0f, 301, 4);
    if (up < ridge) {
        const float depth = clamp01((ridge - up) / 0.12f);
        c = mix(rgb(132, 150, 160), rgb(96, 112, 100), depth);
    }
    if (up < 0.0f) {
        c = mix(c, haze, clamp01(-up * 4.0f));
    }
    // Clouds on a plane overhead, thinning toward the horizon.
    if (up > 0.02f) {
        const float px = d.x / up * 1.4f, pz = d.z / up * 1.4f;
        const float n = fractalNoise(px + 40.0f, pz + 40.0f, 302, 5);
        const float cover = smoothstep(0.5f, 0.72f, n) * smoothstep(0.02f, 0.3f, up);
        const float lit = 0.82f + 0.18f * clamp01(dot(d, Sun) * 0.5f + 0.5f);
        const Rgb cloud = mix(rgb(168, 176, 190), rgb(255, 252, 246), smoothstep(0.5f, 0.85f, n)) * lit;
        c = mix(c, cloud, cover * 0.9f);
    }
    // The sun and its glow.
    const float toward = std::max(0.0f, dot(d, Sun));
    return c + rgb(255, 220, 170) * (std::pow(toward, 12.0f) * 0.25f + std::pow(toward, 90.0f) * 0.4f +
                                     std::pow(toward, 3000.0f) * 2.0f);
}

std::vector<NamedPicture> skyFaces(int size) {
    std::vector<NamedPicture> faces;
    for (const Face& face : Faces) {
        Image picture(size, size);
        picture.shadeAll([&](int x, int y, Rgb) {
            const float u = (x + 0.5f) / size;
            const float v = 1.0f - (y + 0.5f) / size; // the top row of the picture is v = 1
            const Vec3 p = face.corners[0] * ((1 - u) * v) + face.corners[1] * (u * v) +
                           face.corners[2] * (u * (1 - v)) + face.corners[3] * ((1 - u) * (1 - v));
            return skyColour(normalise(p));
        });
        faces.push_back({std::string("jajlands1_") + face.suffix + ".jpg", std::move(picture)});
    }
    return faces;
}
