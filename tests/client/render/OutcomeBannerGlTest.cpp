#include "client/render/Fonts.h"
#include "client/render/OutcomeBanner.h"
#include "client/render/RenderContext.h"
#include "core/Input.h"
#include "platform/Platform.h"
#include "support/GlWindow.h"

#include <GL/glew.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

const char* const SystemFont = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";

// The window's pixels after drawing the banner over white.
std::vector<Rgb> drawOverWhite(GameOutcome::Result result) {
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    enterOrthoMode();
    drawOutcomeBanner(result);
    leaveOrthoMode();
    return windowPixels();
}

int countWhere(const std::vector<Rgb>& pixels, auto test) {
    return static_cast<int>(std::count_if(pixels.begin(), pixels.end(), test));
}

TEST(OutcomeBannerTest, VictoryAndDefeatShowOnABandAcrossTheMiddleAndPlayShowsNothing) {
    ASSERT_TRUE(openGlWindow());
    ASSERT_TRUE(loadFont(menuFont, SystemFont, 48));
    fitClientSizeToWindow();

    const auto notWhite = [](const Rgb& p) { return p != Rgb{255, 255, 255}; };
    EXPECT_EQ(countWhere(drawOverWhite(GameOutcome::Playing), notWhite), 0);

    const auto victory = drawOverWhite(GameOutcome::Victory);
    EXPECT_LT(victory[static_cast<std::size_t>(ClientHeight / 2) * ClientWidth + 5][0], 128)
        << "a dark band across the window's middle";
    const auto gold = [](const Rgb& p) { return p[0] > 200 && p[1] > 170 && p[2] < 120; };
    EXPECT_GT(countWhere(victory, gold), 500) << "the word in gold";

    const auto defeat = drawOverWhite(GameOutcome::Defeat);
    EXPECT_EQ(countWhere(defeat, gold), 0);
    EXPECT_GT(countWhere(defeat, [](const Rgb& p) { return p[0] > 180 && p[1] < 90 && p[2] < 90; }), 500);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
