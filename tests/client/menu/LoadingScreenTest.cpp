#include "client/menu/LoadingScreen.h"
#include "client/render/Fonts.h"
#include "client/render/RenderContext.h"
#include "platform/Platform.h"
#include "support/GlWindow.h"
#include "support/QuadRecorder.h"

#include <gtest/gtest.h>

namespace {

TEST(LoadingScreenTest, ProgressLineEndsFortyPixelsFromTheRightEdgeOnBaselineTen) {
    ASSERT_TRUE(openGlWindow());
    resizeView();
    EXPECT_TRUE(recordQuads([] { showLoadingProgress("Loading world...", 38); }).empty())
        << "without the menu font the screen is only cleared";

    ASSERT_TRUE(loadFont(menuFont, "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf", 48));
    const std::string text = "Loading models (60 %)";
    const int x = platform::clientRect().right - textWidth(menuFont, text, 48) - 40;
    const auto expected = recordQuads([&] { print(menuFont, text, x, 10, 48, true); });
    ASSERT_EQ(expected.size(), text.size());
    EXPECT_EQ(recordQuads([] { showLoadingProgress("Loading models", 60); }), expected);
}

} // namespace
