#include "files/WorldFile.h"
#include "files/TerrainLayer.h"
#include "files/World.h"
#include "formats/MapWriter.h"

#include <gtest/gtest.h>

namespace {

// A 2 x 2 map with one cell of each kind: texture 0, untextured, texture 1 and a hole (index 7);
// every field set, so that a write and a read give it back whole.
WorldFile smallMap() {
    WorldFile map;
    map.rows = 2;
    map.columns = 2;
    map.cornerHeights = {0.0f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f};
    map.cellTextures = {0, -1, 1, 7};
    map.textureNames = {"grass.png", "rock.png\r"};
    map.entries = {{{1, 2, 3, 0xFFFFFFFF}, "entry"}};
    map.records = {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}};
    map.metalPiles = {{5, 7, 99}, {1, 1, 0}};
    map.oilPiles = {{3, 4, -1}};
    map.mapValue = -42;
    map.flagByte = 1;
    map.discardedLine = "ignored";
    map.baseCentres = {{{10, 20}, {30, 40}}};
    return map;
}

WorldFile reparsed(const std::vector<uint8_t>& bytes) {
    const auto result = parseWorldFile(bytes);
    EXPECT_TRUE(result) << result.error;
    return result ? *result.value : WorldFile{};
}

TEST(WorldFileTest, LineWithoutLineFeedWithin254BytesLosesItsLastByte) {
    WorldFile map = smallMap();
    map.textureNames = {std::string(253, 'a')};
    map.cellTextures = {0, 0, 0, 0};
    std::vector<uint8_t> bytes = writeWorldFile(map);
    const auto lineFeed = std::find(bytes.begin() + 8 + 9 * 4 + 4 * 4 + 4, bytes.end(), '\n');
    *lineFeed = 'b'; // 254 bytes without a line feed: the 'b' is taken and dropped
    EXPECT_EQ(reparsed(bytes), map);
}

TEST(WorldFileTest, EveryTruncationIsRefused) {
    const std::vector<uint8_t> bytes = writeWorldFile(smallMap());
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const auto result = parseWorldFile(std::span(bytes).first(length));
        EXPECT_FALSE(result) << "prefix of " << length << " bytes";
        EXPECT_FALSE(result.error.empty());
    }
}

TEST(WorldFileTest, MissingFileIsAnError) {
    const auto result = readWorldFile("data\\maps\\no_such_map.ktqw");
    EXPECT_FALSE(result);
    EXPECT_EQ(result.error, "cannot open data/maps/no_such_map.ktqw");
}

TEST(TerrainLayerTest, CellGivesVerticesADCCBAWithTexturesRepeatingEveryTenCells) {
    World w;
    w.setFromFile(smallMap());
    TerrainLayer layer;
    buildTerrainLayer(w, 1, layer); // only cell (1, 0)
    ASSERT_EQ(layer.cellCount, 1);
    ASSERT_EQ(layer.positions.size(), 18u);
    // Corners A (1, 0), D (2, 0), C (2, 1), C, B (1, 1), A; heights read with stride 2.
    const int corners[6][2] = {{1, 0}, {2, 0}, {2, 1}, {2, 1}, {1, 1}, {1, 0}};
    for (int v = 0; v < 6; ++v) {
        const int r = corners[v][0], c = corners[v][1];
        EXPECT_FLOAT_EQ(layer.positions[3 * v], 3.75f * c - 3.75f) << v;
        EXPECT_FLOAT_EQ(layer.positions[3 * v + 1], 100.0f * smallMap().cornerHeights[r * 2 + c]) << v;
        EXPECT_FLOAT_EQ(layer.positions[3 * v + 2], 3.75f * r - 3.75f) << v;
        EXPECT_FLOAT_EQ(layer.texCoords[2 * v], c / 10.0f) << v;
        EXPECT_FLOAT_EQ(layer.texCoords[2 * v + 1], r / 10.0f) << v;
    }
}

} // namespace
