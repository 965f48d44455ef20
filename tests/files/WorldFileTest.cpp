#include "files/WorldFile.h"
#include "formats/MapWriter.h"

#include <gtest/gtest.h>

namespace {

// A 2 x 2 map with every field set, so that a write and a read give it back whole.
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

TEST(WorldFileTest, MissingFileIsAnError) {
    const auto result = readWorldFile("data\\maps\\no_such_map.ktqw");
    EXPECT_FALSE(result);
    EXPECT_EQ(result.error, "cannot open data/maps/no_such_map.ktqw");
}

} // namespace
