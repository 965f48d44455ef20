#include "client/menu/MenuArt.h"
#include "support/GlWindow.h"
#include "support/ScratchFolder.h"

#include <GL/glew.h>
#include <gtest/gtest.h>

// Runs in the build folder, whose data folder holds the baked menu pictures. The cases run in this
// order: the second leaves the background reported as missing for the rest of the program.
class MenuArtGlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(openGlWindow());
        recordedMessageBoxes.clear();
    }
};

TEST_F(MenuArtGlTest, TheBackgroundIsHeldOnlyWhileTheMenuShows) {
    holdMenuBackground(true);
    ASSERT_NE(menuArt.background.id, 0u);
    EXPECT_TRUE(glIsTexture(menuArt.background.id));
    const uint32_t shown = menuArt.background.id;
    holdMenuBackground(true);
    EXPECT_EQ(menuArt.background.id, shown) << "an open menu keeps its picture, not loads it again";

    holdMenuBackground(false);
    EXPECT_EQ(menuArt.background.id, 0u);
    EXPECT_FALSE(glIsTexture(shown)) << "the picture is given back while the game plays";

    holdMenuBackground(true);
    EXPECT_NE(menuArt.background.id, 0u) << "the menu opened again shows it again";
    EXPECT_GT(menuArt.background.width, 0);
    holdMenuBackground(false);
    EXPECT_TRUE(recordedMessageBoxes.empty());
}

TEST_F(MenuArtGlTest, AMissingBackgroundIsReportedOnceNotAtEveryOpening) {
    const ScratchFolder noData;
    for (int opening = 0; opening < 3; ++opening) {
        holdMenuBackground(true);
        EXPECT_EQ(menuArt.background.id, 0u);
        holdMenuBackground(false);
    }
    ASSERT_EQ(recordedMessageBoxes.size(), 1u);
    EXPECT_NE(recordedMessageBoxes[0].text.find("menu_bg.png"), std::string::npos)
        << recordedMessageBoxes[0].text;
}
