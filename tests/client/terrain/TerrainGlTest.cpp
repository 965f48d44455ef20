#include "client/terrain/Terrain.h"
#include "client/terrain/TerrainGpu.h"
#include "client/terrain/WorldLoader.h"
#include "files/World.h"
#include "formats/MapWriter.h"
#include "platform/Platform.h"
#include "sim/game/Game.h"
#include "sim/game/GameMap.h"
#include "sim/manager/ObjectManager.h"
#include "support/GlWindow.h"
#include "support/ScratchFolder.h"

#include <GL/glew.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <array>

namespace {

// 3 x 2 cells: two of texture 0, two untextured, one of texture 1 and a hole (index 5).
WorldFile texturedMap() {
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

class WorldLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(openGlWindow());
        recordedMessageBoxes.clear();
    }
    void TearDown() override {
        Game::end();
        terrainGpu = TerrainGpu{};
    }

    // The map's file in the scratch folder, short of its last `cut` bytes.
    std::string write(const WorldFile& map, std::size_t cut = 0) {
        const std::vector<uint8_t> bytes = writeWorldFile(map);
        return writeBytes(folder_ / "test.ktqw", bytes, bytes.size() - cut);
    }

    // The map read as the window's game reads it, the game started on it and its ground made ready
    // to draw; `placed_` is what the game's world begins with, as many objects as the map places.
    bool load(const std::string& path) {
        const std::optional<MapFile> map = loadMap(path);
        Game::start(GameSettings{}, map ? &map->world : nullptr);
        loadTerrain(gameMap());
        placed_.clear();
        const ObjectList& objects = ObjectManager::getInstance()->getObjects();
        for (auto it = objects.begin(); map && placed_.size() < mapObjects(map->world).size(); ++it) {
            const GridPosition at = (*it)->getPosition();
            placed_.push_back({(*it)->getType(), (*it)->getOwner(), at.x, at.z});
        }
        return map.has_value();
    }

    const ScratchFolder folder_;
    std::vector<MapObject> placed_;
};

TEST_F(WorldLoaderTest, EachTextureGetsALayerOfItsCellsTheObjectsArePlacedAndARefusedMapEmptiesAll) {
    ASSERT_TRUE(load(write(texturedMap())));
    EXPECT_EQ(terrainGpu.layerCellCounts, (std::vector<int32_t>{2, 2, 1}));
    EXPECT_EQ(placed_, mapObjects(texturedMap()));

    // The terrain textures are looked up in the worlds folder, each reported once when missing.
    ASSERT_EQ(terrainGpu.textures.size(), 2u);
    ASSERT_EQ(recordedMessageBoxes.size(), 2u);
    EXPECT_EQ(recordedMessageBoxes[0].text,
              "Couldn't load texture data\\textures\\worlds\\orvalen_test_absent_a.png!");
    EXPECT_EQ(recordedMessageBoxes[1].text,
              "Couldn't load texture data\\textures\\worlds\\orvalen_test_absent_b.png!");

    WorldFile untextured = texturedMap();
    untextured.cellTextures.assign(6, -1);
    ASSERT_TRUE(load(write(untextured)));
    EXPECT_EQ(terrainGpu.layerCellCounts, (std::vector<int32_t>{6, 0, 0})) << "empty layers load too";

    // A refused map leaves nothing of the last; what the game says of each kind of damage is the
    // bad-input test's.
    recordedMessageBoxes.clear();
    const std::string truncated = write(texturedMap(), 1);
    EXPECT_FALSE(load(truncated));
    ASSERT_EQ(recordedMessageBoxes.size(), 1u);
    EXPECT_EQ(recordedMessageBoxes[0].text, "Map " + truncated + " wasn't found or is corrupted!");
    EXPECT_EQ(recordedMessageBoxes[0].caption, "Map Unavailable");
    EXPECT_TRUE(gameMap().cornerHeights.empty());
    EXPECT_TRUE(terrainGpu.layerCellCounts.empty());
    EXPECT_TRUE(terrainGpu.textures.empty());
    EXPECT_TRUE(placed_.empty());
}

// 4 columns x 3 rows, untextured, flat at height 0 (row stride 4), loaded over a blue window.
class TerrainTest : public WorldLoaderTest {
protected:
    void SetUp() override {
        WorldLoaderTest::SetUp();
        flat.rows = 3;
        flat.columns = 4;
        flat.cornerHeights.assign(20, 0.0f);
        flat.cellTextures.assign(12, -1);
        ASSERT_TRUE(load(write(flat)));
        glClearColor(0.0f, 0.0f, 0.8f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    // Looking down on the map from the low-z side, with the horizon in the top of the window.
    static void lookAcrossTheMap() {
        const platform::Rect client = platform::clientRect();
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, static_cast<double>(client.right) / client.bottom, 0.01, 2000.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(0.0, 12.0, 25.0, 0.0, 0.0, -5.0, 0.0, 1.0, 0.0);
    }

    // Whether any pixel within two of the point is black: lines are one pixel wide.
    static bool blackNear(WindowPixel at) {
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy)
                if (pixelColour({at[0] + dx, at[1] + dy}) == Rgb{0, 0, 0})
                    return true;
        return false;
    }

    // World x of a column line and z of a row line.
    static double columnX(double column) { return 3.75 * column - gameMap().worldWidth / 2.0; }
    static double rowZ(double row) { return 3.75 * row - gameMap().worldDepth / 2.0; }

    WorldFile flat;
};

TEST_F(TerrainTest, GroundPointFollowsThePlaneOfTheCellsCornersAndStaysOnTheMap) {
    flat.cornerHeights[1 * 4 + 2] = 0.2f; // corner (1, 2)
    flat.cornerHeights[1 * 4 + 3] = 0.4f; // corner (1, 3)
    const World world(flat);
    EXPECT_NEAR(world.groundPoint(1.0, 2.0).y, 20.0, 1e-4);
    EXPECT_NEAR(world.groundPoint(1.0, 2.5).y, 30.0, 1e-4) << "half way along the edge: the mean height";

    EXPECT_NEAR(world.groundPoint(-1.0, 2.0).y, 0.0, 1e-4) << "outside the map the nearest cell's height";
    EXPECT_DOUBLE_EQ(world.groundPoint(-1.0, 2.0).z, rowZ(-1.0)) << "but the position itself is kept";
    const WorldPoint farCorner = world.groundPoint(3.0, 4.0);
    EXPECT_DOUBLE_EQ(farCorner.x, columnX(4.0));
    EXPECT_NEAR(farCorner.y, 0.0, 1e-4);
}

TEST_F(TerrainTest, UntexturedCellsAreDarkGreenUnderABlackGridWithoutItsFarBorder) {
    lookAcrossTheMap();
    drawTerrain();
    const double middleZ = rowZ(1.5), middleX = columnX(1.5);
    EXPECT_EQ(pixelColour(windowPixel(middleX, 0.0, middleZ)), (Rgb{0, 74, 0}));
    EXPECT_TRUE(blackNear(windowPixel(columnX(1.0), 0.3, middleZ)));
    EXPECT_TRUE(blackNear(windowPixel(middleX, 0.3, rowZ(1.0))));
    EXPECT_TRUE(blackNear(windowPixel(columnX(3.0), 0.3, middleZ))) << "the last column's near line";
    EXPECT_FALSE(blackNear(windowPixel(columnX(4.0), 0.3, middleZ))) << "no line at the far column border";
    EXPECT_FALSE(blackNear(windowPixel(middleX, 0.3, rowZ(3.0)))) << "no line at the far row border";
}

TEST_F(TerrainTest, PickingFindsTheCellUnderTheCursorAndNothingOffTheMapOrInTheSky) {
    lookAcrossTheMap();
    // Ground beyond the map, a little below it.
    glDisable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    glVertex3d(-40.0, -0.05, -40.0);
    glVertex3d(-40.0, -0.05, 40.0);
    glVertex3d(40.0, -0.05, 40.0);
    glVertex3d(40.0, -0.05, -40.0);
    glEnd();
    drawTerrain();

    auto pickAt = [](WindowPixel at) {
        pickGroundCell(at[0], at[1]);
        return std::array<int, 2>{HoverCell.hoverRow, HoverCell.hoverColumn};
    };
    EXPECT_EQ(pickAt(windowPixel(columnX(2.5), 0.0, rowZ(1.5))), (std::array<int, 2>{1, 2}));
    EXPECT_TRUE(HoverCell.valid());
    EXPECT_EQ(pickAt(windowPixel(columnX(-0.5), 0.0, rowZ(0.5))), (std::array<int, 2>{0, 0}))
        << "less than a cell outside the low edge still counts as the first cell";
    EXPECT_EQ(pickAt(windowPixel(columnX(-2.5), 0.0, rowZ(0.5))), (std::array<int, 2>{-1, -1}));
    EXPECT_EQ(pickAt(windowPixel(columnX(1.5), 0.0, rowZ(4.5))), (std::array<int, 2>{-1, -1}));
    EXPECT_FALSE(HoverCell.valid());

    const platform::Rect client = platform::clientRect();
    EXPECT_EQ(pickAt({client.right / 2, client.bottom - 2}), (std::array<int, 2>{-1, -1})) << "the sky";
}

} // namespace
