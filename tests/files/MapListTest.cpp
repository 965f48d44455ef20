#include "files/MapList.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

namespace fs = std::filesystem;

TEST(MapListTest, ListsTheMapFilesOfTheMapsFolderByName) {
    const ScratchFolder folder;
    EXPECT_TRUE(listMaps().empty()) << "no data folder";
    fs::create_directories("data/maps/folder.ktqw");
    for (const char* name : {"twin-passes.ktqw", "motac.ktqw", "motac.bmp", "notes.txt", "river-fords.ktqw"})
        std::ofstream("data/maps/" + std::string(name)) << "x";
    EXPECT_EQ(listMaps(), (std::vector<std::string>{"data\\maps\\motac.ktqw", "data\\maps\\river-fords.ktqw",
                                                    "data\\maps\\twin-passes.ktqw"}));
}

TEST(MapListTest, NamesAMapForTheMenuAndFindsItsPictureBesideIt) {
    EXPECT_EQ(mapTitle("data\\maps\\river-fords.ktqw"), "River Fords");
    EXPECT_EQ(mapTitle("data/maps/my_island.ktqw"), "My Island");
    EXPECT_EQ(mapTitle("motac"), "Motac");
    EXPECT_EQ(mapPreviewPath("data\\maps\\river-fords.ktqw"), "data\\maps\\river-fords.bmp");
    EXPECT_EQ(mapPreviewPath("data\\maps.old\\island"), "data\\maps.old\\island.bmp")
        << "a dot in a folder's name is not the file's extension";
}

} // namespace
