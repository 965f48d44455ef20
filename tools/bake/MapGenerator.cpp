#include "MapGenerator.h"

#include "Noise.h"
#include "Rgb.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int Size = 200;
constexpr MapBaseCentre PlayerOneBase{75, 85}; // row, column: inside the camera's start view
constexpr MapBaseCentre PlayerTwoBase{152, 150};
constexpr float FlatBorder = 8.0f;   // cells of level ground around the edge
constexpr float Plateau = 10.0f;     // radius of the level yard around a base centre
constexpr float BorderHeight = 2.0f; // world units

float distance(float x, float z, MapBaseCentre p) {
    return std::hypot(x - p.x, z - p.z);
}

// Rolling ground in world units, before the yards are levelled and the border flattened.
float rawHeight(float x, float z) {
    const float hills = fractalNoise(x / 42.0f, z / 42.0f, 7, 5);
    const float swell = fractalNoise(x / 90.0f, z / 90.0f, 8, 2);
    return std::max(0.0f, hills - 0.38f) * 55.0f + swell * 8.0f;
}

float groundHeight(float x, float z) {
    float h = rawHeight(x, z);
    for (MapBaseCentre base : {PlayerOneBase, PlayerTwoBase}) {
        const float level = rawHeight(static_cast<float>(base.x), static_cast<float>(base.z));
        h = std::lerp(level, h, smoothstep(Plateau, Plateau + 8.0f, distance(x, z, base)));
    }
    const float edge = std::min(std::min(x, Size - x), std::min(z, Size - z));
    return std::lerp(BorderHeight, h, smoothstep(FlatBorder, FlatBorder + 16.0f, edge));
}

int32_t textureFor(const WorldFile& map, int r, int c) {
    const float x = c + 0.5f, z = r + 0.5f;
    const float corners[4] = {cornerLevel(map, r, c), cornerLevel(map, r, c + 1), cornerLevel(map, r + 1, c),
                              cornerLevel(map, r + 1, c + 1)};
    const float low = *std::min_element(corners, corners + 4);
    const float high = *std::max_element(corners, corners + 4);
    const float slope = (high - low) / MapCellSize;
    const float patch = fractalNoise(x / 14.0f, z / 14.0f, 21, 3);
    for (MapBaseCentre base : map.baseCentres) {
        if (distance(x, z, base) < 7.0f + patch * 5.0f) {
            return Dirt;
        }
    }
    if (slope > 0.42f || high > 22.0f + patch * 6.0f) {
        return Rock;
    }
    if (fractalNoise(x / 11.0f, z / 11.0f, 22, 3) > 0.7f) {
        return Dirt;
    }
    if (fractalNoise(x / 20.0f, z / 20.0f, 23, 3) > 0.55f) {
        return Meadow;
    }
    return Grass;
}

// A few thickets of bare cells, far from both bases.
void clearThickets(WorldFile& map) {
    const MapBaseCentre thickets[] = {{150, 40}, {45, 160}, {110, 120}}; // row, column
    for (MapBaseCentre t : thickets) {
        for (int dz = 0; dz < 2; ++dz) {
            for (int dx = 0; dx < 2 + dz; ++dx) {
                map.cellTextures[static_cast<size_t>(t.z + dz) * map.columns + t.x + dx] = NoTexture;
            }
        }
    }
}

} // namespace

float cornerLevel(const WorldFile& map, int row, int column) {
    return map.cornerHeights[static_cast<size_t>(row) * map.columns + column] * MapHeightScale;
}

WorldFile generateMap() {
    WorldFile map;
    map.columns = Size;
    map.rows = Size;
    map.baseCentres = {PlayerOneBase, PlayerTwoBase};
    map.textureNames.assign(std::begin(TerrainTextureNames), std::end(TerrainTextureNames));

    // Corners are stored with a row stride of W, as the game reads them; the border is level, so
    // the corner (r, W) that shares storage with (r + 1, 0) has the same height either way.
    map.cornerHeights.assign(static_cast<size_t>(Size + 1) * (Size + 1), groundHeight(0, 0) / MapHeightScale);
    for (int r = 0; r <= Size; ++r) {
        for (int c = 0; c < Size; ++c) {
            map.cornerHeights[static_cast<size_t>(r) * Size + c] =
                groundHeight(static_cast<float>(c), static_cast<float>(r)) / MapHeightScale;
        }
    }
    map.cellTextures.resize(static_cast<size_t>(Size) * Size);
    for (int r = 0; r < Size; ++r) {
        for (int c = 0; c < Size; ++c) {
            map.cellTextures[static_cast<size_t>(r) * Size + c] = textureFor(map, r, c);
        }
    }
    clearThickets(map);

    // Metal in a crescent beside each base, oil a little further off, and two contested oil
    // fields between the bases.
    struct Offset {
        int32_t x, z;
    };
    for (MapBaseCentre base : map.baseCentres) {
        const int side = base.x < Size / 2 ? 1 : -1;
        for (Offset o : {Offset{12, -5}, Offset{14, -1}, Offset{13, 3}, Offset{10, 7}}) {
            map.metalPiles.push_back({base.z + o.z, base.x + side * o.x, 0});
        }
        for (Offset o : {Offset{-12, 6}, Offset{-9, 12}}) {
            map.oilPiles.push_back({base.z + side * o.z, base.x + side * o.x, 0});
        }
    }
    map.oilPiles.push_back({125, 100, 0});
    map.oilPiles.push_back({98, 135, 0});
    map.metalPiles.push_back({120, 60, 0});
    map.metalPiles.push_back({110, 175, 0});
    return map;
}
