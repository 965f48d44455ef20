#include "MapGenerator.h"

#include "Noise.h"
#include "Rgb.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr float FlatBorder = 8.0f; // cells of level ground around the edge
constexpr float Plateau = 10.0f;   // radius of the level yard around a base centre

// Where a pile lies from its base centre, in cells.
struct Offset {
    int32_t x, z;
};

struct HomePiles {
    std::vector<Offset> metal, oil;
};

// The same piles round the other base, turned half a turn: a fair start on a map whose shape is
// symmetric about its middle.
HomePiles halfTurn(const HomePiles& piles) {
    HomePiles turned;
    for (Offset o : piles.metal) {
        turned.metal.push_back({-o.x, -o.z});
    }
    for (Offset o : piles.oil) {
        turned.oil.push_back({-o.x, -o.z});
    }
    return turned;
}

// What sets one map apart. The yards, the border, the choice of ground texture and the thickets'
// shape are shared by every map.
struct MapDesign {
    const char* fileName;
    int32_t columns, rows;
    std::array<MapBaseCentre, 2> bases;
    float (*land)(float x, float z); // world units, before the yards are levelled and the border flattened
    float borderHeight;              // world units
    float rockHeight;                // ground above this, give or take, is bare rock
    float bedHeight;                 // a valley floor below this is dirt, its banks meadow
    uint32_t textureSeed;
    std::array<HomePiles, 2> homePiles;
    std::vector<MapPile> contestedMetal, contestedOil;
    std::vector<MapBaseCentre> thickets; // each one's top-left cell
};

constexpr float NoValley = -std::numeric_limits<float>::infinity();

float distance(float x, float z, MapBaseCentre p) {
    return std::hypot(x - p.x, z - p.z);
}

// Rolling hills everywhere.
float motacLand(float x, float z) {
    const float hills = fractalNoise(x / 42.0f, z / 42.0f, 7, 5);
    const float swell = fractalNoise(x / 90.0f, z / 90.0f, 8, 2);
    return std::max(0.0f, hills - 0.38f) * 55.0f + swell * 8.0f;
}

// Lower hills, and a ridge across the middle that bends a little and rises and falls along its
// crest; two passes cut it nearly to the ground, one on each flank, so the short way between the
// bases goes over the top and the easy ways round.
float twinPassesLand(float x, float z) {
    const float hills = fractalNoise(x / 38.0f, z / 38.0f, 31, 5);
    const float swell = fractalNoise(x / 80.0f, z / 80.0f, 32, 2);
    const float ground = std::max(0.0f, hills - 0.42f) * 34.0f + swell * 6.0f;
    const float crestLine = 110.0f + 6.0f * std::sin((x - 90.0f) / 23.0f);
    const float crest = 28.0f + 10.0f * fractalNoise(x / 24.0f, 3.5f, 33, 2);
    float ridge = crest * (1.0f - smoothstep(2.0f, 36.0f, std::abs(z - crestLine)));
    for (const float pass : {45.0f, 135.0f}) {
        ridge *= 0.15f + 0.85f * smoothstep(4.0f, 34.0f, std::abs(x - pass));
    }
    return ground + ridge;
}

// Raised hilly land cut by a winding valley from the top edge to the bottom; where a ford crosses
// it a bar of ground lifts the bed to a shallow dip.
float riverFordsLand(float x, float z) {
    const float hills = fractalNoise(x / 36.0f, z / 36.0f, 41, 5);
    const float swell = fractalNoise(x / 85.0f, z / 85.0f, 42, 2);
    const float land = 12.0f + std::max(0.0f, hills - 0.4f) * 40.0f + swell * 6.0f;
    const float course = 110.0f + 12.0f * std::sin((z - 85.0f) / 25.0f);
    float shallows = 0.0f;
    for (const float ford : {35.0f, 85.0f, 135.0f}) {
        shallows = std::max(shallows, 1.0f - smoothstep(2.0f, 10.0f, std::abs(z - ford)));
    }
    const float bed = 1.0f + 7.5f * shallows;
    return std::lerp(bed, land, smoothstep(5.0f, 22.0f, std::abs(x - course)));
}

std::vector<MapDesign> designs() {
    std::vector<MapDesign> maps;
    maps.push_back({
        "motac.ktqw",
        200,
        200,
        {MapBaseCentre{75, 85}, MapBaseCentre{152, 150}}, // row, column: player 1 in the camera's start view
        motacLand,
        2.0f,
        22.0f,
        NoValley,
        0,
        {HomePiles{{{12, -5}, {14, -1}, {13, 3}, {10, 7}}, {{-12, 6}, {-9, 12}}},
         HomePiles{{{-12, -5}, {-14, -1}, {-13, 3}, {-10, 7}}, {{12, -6}, {9, -12}}}},
        {{120, 60, 0}, {110, 175, 0}},
        {{125, 100, 0}, {98, 135, 0}},
        {{150, 40}, {45, 160}, {110, 120}},
    });
    // Past motac the piles round a base lie on the yard's edge, 14 to 15 cells out, each in one of
    // the twelve directions in which the computer opponent looks for room for its Barracks (12
    // cells out, every 30 degrees): a pile takes one direction and leaves the rest free, those
    // towards the enemy among them. Neighbours stand 7 cells apart.
    const HomePiles facingDown{{{-7, -12}, {-12, -7}, {-14, 0}, {-12, 7}}, {{15, 0}, {13, -8}}};
    maps.push_back({
        "twin-passes.ktqw",
        180,
        220,
        {MapBaseCentre{50, 70}, MapBaseCentre{170, 110}},
        twinPassesLand,
        3.0f,
        24.0f,
        NoValley,
        50,
        {facingDown, halfTurn(facingDown)},
        {{80, 116, 0}, {140, 64, 0}, {62, 150, 0}, {158, 30, 0}},
        {{104, 45, 0}, {116, 135, 0}}, // in the passes
        {{20, 150}, {198, 28}, {109, 89}},
    });
    const HomePiles facingRight{{{0, -14}, {-7, -12}, {-12, -7}, {-14, 0}}, {{0, 15}, {8, 13}}};
    maps.push_back({
        "river-fords.ktqw",
        220,
        170,
        {MapBaseCentre{58, 48}, MapBaseCentre{112, 172}},
        riverFordsLand,
        14.0f,
        30.0f,
        3.5f,
        60,
        {facingRight, halfTurn(facingRight)},
        {{85, 94, 0}, {85, 126, 0}, {150, 80, 0}, {20, 140, 0}},
        {{35, 99, 0}, {135, 121, 0}}, // at the outer fords
        {{15, 190}, {152, 28}, {40, 160}, {128, 58}},
    });
    return maps;
}

float groundHeight(const MapDesign& design, float x, float z) {
    float h = design.land(x, z);
    for (MapBaseCentre base : design.bases) {
        const float level = design.land(static_cast<float>(base.x), static_cast<float>(base.z));
        h = std::lerp(level, h, smoothstep(Plateau, Plateau + 8.0f, distance(x, z, base)));
    }
    const float edge = std::min(std::min(x, design.columns - x), std::min(z, design.rows - z));
    return std::lerp(design.borderHeight, h, smoothstep(FlatBorder, FlatBorder + 16.0f, edge));
}

int32_t textureFor(const MapDesign& design, const WorldFile& map, int r, int c) {
    const float x = c + 0.5f, z = r + 0.5f;
    const float corners[4] = {cornerLevel(map, r, c), cornerLevel(map, r, c + 1), cornerLevel(map, r + 1, c),
                              cornerLevel(map, r + 1, c + 1)};
    const float low = *std::min_element(corners, corners + 4);
    const float high = *std::max_element(corners, corners + 4);
    const float slope = (high - low) / MapCellSize;
    const uint32_t seed = design.textureSeed;
    const float patch = fractalNoise(x / 14.0f, z / 14.0f, 21 + seed, 3);
    for (MapBaseCentre base : map.baseCentres) {
        if (distance(x, z, base) < 7.0f + patch * 5.0f) {
            return Dirt;
        }
    }
    if (slope > 0.42f || high > design.rockHeight + patch * 6.0f) {
        return Rock;
    }
    if (high < design.bedHeight) {
        return Dirt;
    }
    if (high < design.bedHeight + 3.0f) {
        return Meadow;
    }
    if (fractalNoise(x / 11.0f, z / 11.0f, 22 + seed, 3) > 0.7f) {
        return Dirt;
    }
    if (fractalNoise(x / 20.0f, z / 20.0f, 23 + seed, 3) > 0.55f) {
        return Meadow;
    }
    return Grass;
}

// A few thickets of bare cells, far from both bases.
void clearThickets(WorldFile& map, const std::vector<MapBaseCentre>& thickets) {
    for (MapBaseCentre t : thickets) {
        for (int dz = 0; dz < 2; ++dz) {
            for (int dx = 0; dx < 2 + dz; ++dx) {
                map.cellTextures[static_cast<size_t>(t.z + dz) * map.columns + t.x + dx] = NoTexture;
            }
        }
    }
}

WorldFile generate(const MapDesign& design) {
    const int32_t columns = design.columns, rows = design.rows;
    WorldFile map;
    map.columns = columns;
    map.rows = rows;
    map.baseCentres = design.bases;
    map.textureNames.assign(std::begin(TerrainTextureNames), std::end(TerrainTextureNames));

    // Corners are stored with a row stride of W, as the game reads them; the border is level, so
    // the corner (r, W) that shares storage with (r + 1, 0) has the same height either way.
    map.cornerHeights.assign(static_cast<size_t>(columns + 1) * (rows + 1),
                             groundHeight(design, 0, 0) / MapHeightScale);
    for (int r = 0; r <= rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            map.cornerHeights[static_cast<size_t>(r) * columns + c] =
                groundHeight(design, static_cast<float>(c), static_cast<float>(r)) / MapHeightScale;
        }
    }
    map.cellTextures.resize(static_cast<size_t>(columns) * rows);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            map.cellTextures[static_cast<size_t>(r) * columns + c] = textureFor(design, map, r, c);
        }
    }
    clearThickets(map, design.thickets);

    for (size_t i = 0; i < design.bases.size(); ++i) {
        const MapBaseCentre base = design.bases[i];
        for (Offset o : design.homePiles[i].metal) {
            map.metalPiles.push_back({base.z + o.z, base.x + o.x, 0});
        }
        for (Offset o : design.homePiles[i].oil) {
            map.oilPiles.push_back({base.z + o.z, base.x + o.x, 0});
        }
    }
    map.metalPiles.insert(map.metalPiles.end(), design.contestedMetal.begin(), design.contestedMetal.end());
    map.oilPiles.insert(map.oilPiles.end(), design.contestedOil.begin(), design.contestedOil.end());
    return map;
}

} // namespace

float cornerLevel(const WorldFile& map, int row, int column) {
    return map.cornerHeights[static_cast<size_t>(row) * map.columns + column] * MapHeightScale;
}

std::vector<GeneratedMap> generateMaps() {
    std::vector<GeneratedMap> maps;
    for (const MapDesign& design : designs()) {
        maps.push_back({design.fileName, generate(design)});
    }
    return maps;
}
