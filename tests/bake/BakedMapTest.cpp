#include "core/FilePath.h"
#include "files/WorldFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace {

class BakedMap : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        auto result = readWorldFile("data\\maps\\motac.ktqw");
        ASSERT_TRUE(result) << result.error;
        map = new WorldFile(std::move(*result.value));
    }
    static void TearDownTestSuite() { delete map; }

    static float level(int r, int c) {
        return map->cornerHeights[static_cast<size_t>(r) * map->columns + c] * 100.0f;
    }

    static WorldFile* map;
};

WorldFile* BakedMap::map = nullptr;

TEST_F(BakedMap, IsLargeEnoughAndShowsAtLeastThreeTexturesAndAFewBareCells) {
    EXPECT_GE(map->columns, 200);
    EXPECT_GE(map->rows, 200);
    ASSERT_GE(map->textureNames.size(), 3u);
    for (const std::string& name : map->textureNames) {
        EXPECT_TRUE(std::filesystem::exists(normalisePath("data\\textures\\worlds\\" + name))) << name;
    }
    for (int32_t t = -1; t < static_cast<int32_t>(map->textureNames.size()); ++t) {
        const auto cells = std::count(map->cellTextures.begin(), map->cellTextures.end(), t);
        EXPECT_GT(cells, 0) << "texture " << t;
        if (t == -1) {
            EXPECT_LT(cells, 50) << "only a few cells are bare";
        }
    }
}

TEST_F(BakedMap, HasGentleHillsAndALevelBorder) {
    float lowest = 1e9f, highest = -1e9f, steepest = 0.0f;
    for (int r = 0; r <= map->rows; ++r) {
        for (int c = 0; c < map->columns; ++c) {
            lowest = std::min(lowest, level(r, c));
            highest = std::max(highest, level(r, c));
            if (c + 1 < map->columns) {
                steepest = std::max(steepest, std::abs(level(r, c + 1) - level(r, c)));
            }
            if (r + 1 <= map->rows) {
                steepest = std::max(steepest, std::abs(level(r + 1, c) - level(r, c)));
            }
        }
    }
    EXPECT_GT(highest - lowest, 10.0f) << "hills, not a plain";
    EXPECT_LT(steepest, 3.75f) << "no slope steeper than 45 degrees";
    // Row H and the last column share storage with their neighbours: a level border hides that.
    const float border = level(0, 0);
    for (int i = 0; i < map->columns; ++i) {
        ASSERT_EQ(level(0, i), border);
        ASSERT_EQ(level(map->rows, i), border);
        ASSERT_EQ(level(i, 0), border);
        ASSERT_EQ(level(i, map->columns - 1), border);
    }
}

} // namespace
