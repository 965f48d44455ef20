#include "client/menu/LoadingScreen.h"
#include "client/render/Fonts.h"
#include "client/render/RenderContext.h"
#include "platform/Platform.h"
#include "support/GlWindow.h"
#include "support/QuadRecorder.h"

#include <gtest/gtest.h>

namespace {

TEST(LoadingScreenTest, ProgressLineWithItsPercentSitsAtTheBottomRightOnceTheFontIsThere) {
    ASSERT_TRUE(openGlWindow());
    resizeView();
    EXPECT_TRUE(recordQuads([] { showLoadingProgress("Loading world...", 38); }).empty())
        << "without the menu font the screen is only cleared";

    ASSERT_TRUE(loadFont(menuFont, "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf", 48));
    const auto glyphs = recordQuads([] { showLoadingProgress("Loading models", 60); });
    ASSERT_EQ(glyphs.size(), std::string("Loading models (60 %)").size()) << "one quad a character";
    const float right = platform::clientRect().right;
    EXPECT_LE(glyphs.back().right, right - 40.0f) << "the line ends forty pixels from the right edge";
    EXPECT_GT(glyphs.back().right, right - 60.0f);
    EXPECT_NEAR(glyphs.front().bottom, 10.0f, 1.0f) << "the L stands on the baseline";
}

} // namespace
