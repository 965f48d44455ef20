#include "client/terrain/TerrainGpu.h"
#include "client/terrain/WorldLoader.h"
#include "files/TerrainLayer.h"
#include "files/World.h"
#include "formats/MapWriter.h"
#include "support/GlWindow.h"
#include "support/ScratchFolder.h"

#include <GL/glew.h>
#include <gtest/gtest.h>

#include <fstream>

namespace {

// 3 x 2 cells: two of texture 0, two untextured, one of texture 1 and a hole (index 5).
WorldFile map() {
    WorldFile m;
    m.rows = 2;
    m.columns = 3;
    for (int i = 0; i < 12; ++i)
        m.cornerHeights.push_back(0.01f * i);
    m.cellTextures = {0, -1, 0, 1, -1, 5};
    m.textureNames = {"orvalen_test_absent_a.png", "orvalen_test_absent_b.png"};
    m.metalPiles = {{1, 2, 0}};
    m.oilPiles = {{0, 1, 0}};
    m.baseCentres = {{{0, 0}, {1, 2}}};
    return m;
}

std::vector<float> bufferContents(GLuint buffer, std::size_t floats) {
    std::vector<float> values(floats);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glGetBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(floats * sizeof(float)), values.data());
    GLint size = -1;
    glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_SIZE, &size);
    EXPECT_EQ(size, static_cast<GLint>(floats * sizeof(float)));
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    return values;
}

class WorldLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(openGlWindow());
        recordedMessageBoxes.clear();
    }
    void TearDown() override {
        world = World{};
        terrainGpu = TerrainGpu{};
    }

    std::string write(const std::vector<uint8_t>& bytes) {
        const std::string path = (folder_ / "test.ktqw").string();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return path;
    }

    bool load(const std::string& path) {
        placed_.clear();
        return loadWorld(path, [this](const MapObject& object) { placed_.push_back(object); });
    }

    const ScratchFolder folder_;
    std::vector<MapObject> placed_;
};

TEST_F(WorldLoaderTest, LayerBuffersHoldEachTexturesCells) {
    ASSERT_TRUE(load(write(writeWorldFile(map()))));
    EXPECT_EQ(world.columns, 3);
    EXPECT_FLOAT_EQ(world.worldDepth, 7.5f);
    ASSERT_EQ(terrainGpu.layerCellCounts, (std::vector<int32_t>{2, 2, 1}));
    ASSERT_EQ(terrainGpu.layerVertexBuffers.size(), 3u);
    TerrainLayer expected;
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_NE(terrainGpu.layerVertexBuffers[k], 0u);
        buildTerrainLayer(world, static_cast<int32_t>(k) - 1, expected);
        const std::size_t cells = terrainGpu.layerCellCounts[k];
        EXPECT_EQ(bufferContents(terrainGpu.layerVertexBuffers[k], cells * 18), expected.positions)
            << "layer " << k;
        EXPECT_EQ(bufferContents(terrainGpu.layerTexCoordBuffers[k], cells * 12), expected.texCoords)
            << "layer " << k;
    }
    EXPECT_EQ(placed_, mapObjects(map()));

    // The terrain textures are looked up in the worlds folder, each reported once when missing.
    ASSERT_EQ(terrainGpu.textures.size(), 2u);
    ASSERT_EQ(recordedMessageBoxes.size(), 2u);
    EXPECT_EQ(recordedMessageBoxes[0].text,
              "Couldn't load texture data\\textures\\worlds\\orvalen_test_absent_a.png!");
    EXPECT_EQ(recordedMessageBoxes[1].text,
              "Couldn't load texture data\\textures\\worlds\\orvalen_test_absent_b.png!");
}

TEST_F(WorldLoaderTest, AllUntexturedMapUploadsEmptyTextureLayers) {
    WorldFile untextured = map();
    untextured.cellTextures.assign(6, -1);
    ASSERT_TRUE(load(write(writeWorldFile(untextured))));
    EXPECT_EQ(terrainGpu.layerCellCounts, (std::vector<int32_t>{6, 0, 0}));
    EXPECT_TRUE(bufferContents(terrainGpu.layerVertexBuffers[1], 0).empty());
}

TEST_F(WorldLoaderTest, MissingOrTruncatedMapGivesOneMessageAndAnEmptyWorld) {
    const std::string missing = (folder_ / "absent.ktqw").string();
    ASSERT_TRUE(load(write(writeWorldFile(map()))));
    recordedMessageBoxes.clear();

    EXPECT_FALSE(load(missing));
    ASSERT_EQ(recordedMessageBoxes.size(), 1u);
    EXPECT_EQ(recordedMessageBoxes[0].text, "Map " + missing + " wasn't found or is corrupted!");
    EXPECT_EQ(recordedMessageBoxes[0].caption, "Map Unavailable");
    EXPECT_EQ(world.columns, 0);
    EXPECT_TRUE(world.cornerHeights.empty());
    EXPECT_TRUE(terrainGpu.layerCellCounts.empty());
    EXPECT_TRUE(placed_.empty());

    std::vector<uint8_t> cut = writeWorldFile(map());
    cut.pop_back();
    const std::string truncated = write(cut);
    EXPECT_FALSE(load(truncated));
    ASSERT_EQ(recordedMessageBoxes.size(), 2u);
    EXPECT_EQ(recordedMessageBoxes[1].text, "Map " + truncated + " wasn't found or is corrupted!");
    EXPECT_TRUE(placed_.empty());
    EXPECT_TRUE(terrainGpu.textures.empty());
}

} // namespace
