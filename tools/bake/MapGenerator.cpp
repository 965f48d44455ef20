#include "MapGenerator.h"

#include "Noise.h"
#include "Rgb.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int Size = 200;
constexpr GridPoint PlayerOneBase{85, 75}; // inside the camera's start view
constexpr GridPoint PlayerTwoBase{150, 152};
constexpr float FlatBorder = 8.0f;   // cells of level ground around the edge
constexpr float Plateau = 10.0f;     // radius of the level yard around a base centre
constexpr float BorderHeight = 2.0f; // world units

float distance(float x, float z, GridPoint p) {
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
    for (GridPoint base : {PlayerOneBase, PlayerTwoBase}) {
        const float level = rawHeight(static_cast<float>(base.x), static_cast<float>(base.z));
        h = std::lerp(level, h, smoothstep(Plateau, Plateau + 8.0f, distance(x, z, base)));
    }
    const float edge = std::min(std::min(x, Size - x), std::min(z, Size - z));
    return std::lerp(BorderHeight, h, smoothstep(FlatBorder, FlatBorder + 16.0f, edge));
}

int32_t textureFor(const BakedMap& map, int r, int c) {
    const float x = c + 0.5f, z = r + 0.5f;
    const float corners[4] = {map.height(r, c), map.height(r, c + 1), map.height(r + 1, c),
                              map.height(r + 1, c + 1)};
    const float low = *std::min_element(corners, corners + 4) * MapHeightScale;
    const float high = *std::max_element(corners, corners + 4) * MapHeightScale;
    const float slope = (high - low) / MapCellSize;
    const float patch = fractalNoise(x / 14.0f, z / 14.0f, 21, 3);
    for (GridPoint base : {map.baseCentres[0], map.baseCentres[1]}) {
        if (distance(x, z, base) < 7.0f + patch * 5.0f) {
            return Dirt;
        }
    }
    if (slope > 0.42f || high > 22.0f + patch * 6.0f) {
        return Rock;
    }
    if (fractalNoise(x / 11.0f, z / 11.0f, 22, 3) > 0.66f) {
        return Dirt;
    }
    if (fractalNoise(x / 20.0f, z / 20.0f, 23, 3) > 0.55f) {
        return Meadow;
    }
    return Grass;
}

// A few thickets of bare cells, far from both bases.
void clearThickets(BakedMap& map) {
    const GridPoint thickets[] = {{40, 150}, {160, 45}, {120, 110}};
    for (GridPoint t : thickets) {
        for (int dz = 0; dz < 2; ++dz) {
            for (int dx = 0; dx < 2 + dz; ++dx) {
                map.cellTextures[static_cast<size_t>(t.z + dz) * map.columns + t.x + dx] = NoTexture;
            }
        }
    }
}

} // namespace

BakedMap generateMap() {
    BakedMap map;
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
    for (GridPoint base : map.baseCentres) {
        const int side = base.x < Size / 2 ? 1 : -1;
        for (GridPoint offset : {GridPoint{12, -5}, GridPoint{14, -1}, GridPoint{13, 3}, GridPoint{10, 7}}) {
            map.metalPiles.push_back({base.x + side * offset.x, base.z + offset.z});
        }
        for (GridPoint offset : {GridPoint{-12, 6}, GridPoint{-9, 12}}) {
            map.oilPiles.push_back({base.x + side * offset.x, base.z + side * offset.z});
        }
    }
    map.oilPiles.push_back({100, 125});
    map.oilPiles.push_back({135, 98});
    map.metalPiles.push_back({60, 120});
    map.metalPiles.push_back({175, 110});
    return map;
}
