// Every map the bake writes into data/maps, read back with the game's own readers, and the picture
// the menu shows beside each.
#include "core/FilePath.h"
#include "files/ImageFile.h"
#include "files/WorldFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>

namespace {

constexpr double YardRadius = 10.0;    // cells of level ground round a base centre
constexpr double StartingPiles = 20.0; // cells from a base centre within which its own piles lie
constexpr double BarracksRing = 12.0;  // where the computer opponent puts its Barracks
constexpr double BuildingClearance = 5.0;
constexpr double BaseHalf = 2.5; // a base centre stands on 5 x 5 cells
constexpr int PictureSide = 192;

struct BakedMapFile {
    std::string path; // as the game names it
    MapFile file;

    const WorldFile& world() const { return file.world; }
};

class BakedMaps : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::set<std::string> names; // in a fixed order, so failures read the same every run
        for (const auto& entry : std::filesystem::directory_iterator("data/maps")) {
            if (entry.path().extension() == ".ktqw") {
                names.insert(entry.path().filename().string());
            }
        }
        maps = new std::vector<BakedMapFile>;
        for (const std::string& name : names) {
            const std::string path = "data\\maps\\" + name;
            auto result = readMapFile(path);
            ASSERT_TRUE(result) << path << ": " << result.error;
            maps->push_back({path, std::move(*result.value)});
        }
    }
    static void TearDownTestSuite() { delete maps; }

    static std::vector<BakedMapFile>* maps;
};

std::vector<BakedMapFile>* BakedMaps::maps = nullptr;

float level(const WorldFile& map, int r, int c) {
    return map.cornerHeights[static_cast<size_t>(r) * map.columns + c] * 100.0f;
}

double between(double x0, double z0, double x1, double z1) {
    return std::hypot(x1 - x0, z1 - z0);
}

double between(const MapPile& pile, const MapBaseCentre& base) {
    return between(pile.x, pile.z, base.x, base.z);
}

// From the pile to the nearest point of the base centre's footprint.
double toFootprint(const MapPile& pile, const MapBaseCentre& base) {
    return std::hypot(std::max(0.0, std::abs(pile.x - base.x) - BaseHalf),
                      std::max(0.0, std::abs(pile.z - base.z) - BaseHalf));
}

std::vector<MapPile> allPiles(const WorldFile& map) {
    std::vector<MapPile> piles = map.metalPiles;
    piles.insert(piles.end(), map.oilPiles.begin(), map.oilPiles.end());
    return piles;
}

TEST_F(BakedMaps, AtLeastThreeDifferentMapsAreBakedMotacAmongThem) {
    ASSERT_GE(maps->size(), 3u);
    std::set<uint64_t> checksums;
    bool motac = false;
    for (const BakedMapFile& map : *maps) {
        checksums.insert(map.file.checksum);
        motac = motac || map.path == "data\\maps\\motac.ktqw";
    }
    EXPECT_TRUE(motac);
    EXPECT_EQ(checksums.size(), maps->size()) << "two files hold the same map";
}

TEST_F(BakedMaps, EachIsMidSizedAndShowsItsTexturesAndAFewBareCells) {
    for (const BakedMapFile& baked : *maps) {
        const WorldFile& map = baked.world();
        SCOPED_TRACE(baked.path);
        EXPECT_GE(map.columns, 150);
        EXPECT_GE(map.rows, 150);
        EXPECT_LE(map.columns, 256);
        EXPECT_LE(map.rows, 256);
        ASSERT_GE(map.textureNames.size(), 3u);
        for (const std::string& name : map.textureNames) {
            EXPECT_TRUE(std::filesystem::exists(normalisePath("data\\textures\\worlds\\" + name))) << name;
        }
        for (int32_t t = -1; t < static_cast<int32_t>(map.textureNames.size()); ++t) {
            const auto cells = std::count(map.cellTextures.begin(), map.cellTextures.end(), t);
            EXPECT_GT(cells, 0) << "texture " << t;
            if (t == -1) {
                EXPECT_LT(cells, 50) << "only a few cells are bare";
            }
        }
    }
}

TEST_F(BakedMaps, EachHasHillsNoSlopeSteeperThan45DegreesAndALevelBorder) {
    for (const BakedMapFile& baked : *maps) {
        const WorldFile& map = baked.world();
        SCOPED_TRACE(baked.path);
        float lowest = 1e9f, highest = -1e9f, steepest = 0.0f;
        for (int r = 0; r <= map.rows; ++r) {
            for (int c = 0; c < map.columns; ++c) {
                lowest = std::min(lowest, level(map, r, c));
                highest = std::max(highest, level(map, r, c));
                if (c + 1 < map.columns) {
                    steepest = std::max(steepest, std::abs(level(map, r, c + 1) - level(map, r, c)));
                }
                if (r + 1 <= map.rows) {
                    steepest = std::max(steepest, std::abs(level(map, r + 1, c) - level(map, r, c)));
                }
            }
        }
        EXPECT_GT(highest - lowest, 10.0f) << "hills, not a plain";
        EXPECT_LT(steepest, 3.75f) << "no slope steeper than 45 degrees";
        // Row H and the last column share storage with their neighbours: a level border hides that.
        const float border = level(map, 0, 0);
        for (int c = 0; c < map.columns; ++c) {
            ASSERT_EQ(level(map, 0, c), border) << "column " << c;
            ASSERT_EQ(level(map, map.rows, c), border) << "column " << c;
        }
        for (int r = 0; r <= map.rows; ++r) {
            ASSERT_EQ(level(map, r, 0), border) << "row " << r;
            ASSERT_EQ(level(map, r, map.columns - 1), border) << "row " << r;
        }
    }
}

TEST_F(BakedMaps, EachHasTwoBasesFarApartOnLevelYards) {
    for (const BakedMapFile& baked : *maps) {
        const WorldFile& map = baked.world();
        SCOPED_TRACE(baked.path);
        const MapBaseCentre one = map.baseCentres[0], two = map.baseCentres[1];
        EXPECT_GE(between(one.x, one.z, two.x, two.z), 90.0);
        for (int side = 0; side < 2; ++side) {
            const MapBaseCentre base = map.baseCentres[side];
            ASSERT_GE(base.x, YardRadius) << "side " << side + 1;
            ASSERT_LE(base.x, map.columns - YardRadius) << "side " << side + 1;
            ASSERT_GE(base.z, YardRadius) << "side " << side + 1;
            ASSERT_LE(base.z, map.rows - YardRadius) << "side " << side + 1;
            const float yard = level(map, base.z, base.x);
            for (int r = base.z - 10; r <= base.z + 10; ++r) {
                for (int c = base.x - 10; c <= base.x + 10; ++c) {
                    if (between(c, r, base.x, base.z) <= YardRadius) {
                        ASSERT_NEAR(level(map, r, c), yard, 0.01f)
                            << "side " << side + 1 << "'s yard at row " << r << ", column " << c;
                    }
                }
            }
        }
    }
}

TEST_F(BakedMaps, EachBaseHasMetalAndOilOfItsOwnNearby) {
    for (const BakedMapFile& baked : *maps) {
        const WorldFile& map = baked.world();
        SCOPED_TRACE(baked.path);
        for (const MapPile& pile : allPiles(map)) {
            EXPECT_TRUE(pile.x >= 0 && pile.x < map.columns && pile.z >= 0 && pile.z < map.rows)
                << "pile at row " << pile.z << ", column " << pile.x;
        }
        for (int side = 0; side < 2; ++side) {
            const MapBaseCentre base = map.baseCentres[side];
            auto near = [&](const std::vector<MapPile>& piles) {
                return std::count_if(piles.begin(), piles.end(),
                                     [&](const MapPile& p) { return between(p, base) <= StartingPiles; });
            };
            EXPECT_GE(near(map.metalPiles), 4) << "side " << side + 1;
            EXPECT_GE(near(map.oilPiles), 2) << "side " << side + 1;
        }
    }
}

// The computer opponent puts its Barracks on a ring round its base, 12 cells out in twelve
// directions, where no pile or other building stands within 5 cells: a map must leave it some.
TEST_F(BakedMaps, EachBaseLeavesRoomForBarracksOnTheRingAroundIt) {
    for (const BakedMapFile& baked : *maps) {
        const WorldFile& map = baked.world();
        SCOPED_TRACE(baked.path);
        for (int side = 0; side < 2; ++side) {
            const MapBaseCentre base = map.baseCentres[side];
            int free = 0;
            for (int step = 0; step < 12; ++step) {
                const double angle = step * 3.14159265358979 / 6.0;
                const double x = std::round(base.x + BarracksRing * std::sin(angle));
                const double z = std::round(base.z + BarracksRing * std::cos(angle));
                bool clear = x >= 3 && x <= map.columns - 3 && z >= 3 && z <= map.rows - 3;
                for (const MapPile& pile : allPiles(map)) {
                    clear = clear && between(pile.x, pile.z, x, z) >= BuildingClearance;
                }
                free += clear;
            }
            EXPECT_GE(free, 3) << "side " << side + 1;
        }
    }
}

// Motac's older crescents stand closer; it stays as it is, byte for byte, for the recorded games
// that name it.
TEST_F(BakedMaps, PilesOfTheNewerMapsStandApartAndClearOfTheBases) {
    for (const BakedMapFile& baked : *maps) {
        if (baked.path == "data\\maps\\motac.ktqw") {
            continue;
        }
        const WorldFile& map = baked.world();
        SCOPED_TRACE(baked.path);
        const std::vector<MapPile> piles = allPiles(map);
        for (size_t i = 0; i < piles.size(); ++i) {
            for (const MapBaseCentre& base : map.baseCentres) {
                EXPECT_GE(toFootprint(piles[i], base), 6.0)
                    << "pile at row " << piles[i].z << ", column " << piles[i].x;
            }
            for (size_t j = i + 1; j < piles.size(); ++j) {
                EXPECT_GE(between(piles[i].x, piles[i].z, piles[j].x, piles[j].z), 6.0)
                    << "piles at row " << piles[i].z << ", column " << piles[i].x << " and row " << piles[j].z
                    << ", column " << piles[j].x;
            }
        }
    }
}

struct Pixel {
    int r, g, b;
};

// (x, y) counted from the picture's top left; the decoder keeps the bottom row first.
Pixel pixelAt(const DecodedImage& image, int x, int y) {
    const uint8_t* p = &image.pixels[(static_cast<size_t>(image.height - 1 - y) * image.width + x) * 3];
    return {p[0], p[1], p[2]};
}

// The menu shows the whole map, row 0 at the top, centred on dark grey when it is not square; each
// base centre is drawn where it stands, in its side's colour.
TEST_F(BakedMaps, EachHasAPictureForTheMenuWithTheBasesInTheirColours) {
    for (const BakedMapFile& baked : *maps) {
        const WorldFile& map = baked.world();
        std::string picturePath = normalisePath(baked.path);
        picturePath.replace(picturePath.size() - 5, 5, ".bmp");
        SCOPED_TRACE(picturePath);
        const auto picture = decodeImage(picturePath);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->fileType, "BMP");
        EXPECT_EQ(picture->fileBitsPerPixel, 24);
        ASSERT_EQ(picture->format, PixelFormat::Rgb);
        ASSERT_EQ(picture->width, PictureSide);
        ASSERT_EQ(picture->height, PictureSide);

        const double scale = static_cast<double>(PictureSide) / std::max(map.columns, map.rows);
        const double left = (PictureSide - map.columns * scale) / 2.0;
        const double top = (PictureSide - map.rows * scale) / 2.0;
        const MapBaseCentre one = map.baseCentres[0], two = map.baseCentres[1];
        const Pixel blue =
            pixelAt(*picture, static_cast<int>(left + one.x * scale), static_cast<int>(top + one.z * scale));
        EXPECT_TRUE(blue.b > 2 * blue.r && blue.b > 2 * blue.g) << blue.r << " " << blue.g << " " << blue.b;
        const Pixel red =
            pixelAt(*picture, static_cast<int>(left + two.x * scale), static_cast<int>(top + two.z * scale));
        EXPECT_TRUE(red.r > 2 * red.g && red.r > 2 * red.b) << red.r << " " << red.g << " " << red.b;

        if (left >= 2.0 || top >= 2.0) {
            const Pixel margin =
                left >= 2.0 ? pixelAt(*picture, 0, PictureSide / 2) : pixelAt(*picture, PictureSide / 2, 0);
            EXPECT_LT(std::max({margin.r, margin.g, margin.b}), 60) << "a dark margin";
            EXPECT_LT(std::max({margin.r, margin.g, margin.b}) - std::min({margin.r, margin.g, margin.b}), 10)
                << "a grey margin";
        }
    }
}

} // namespace
