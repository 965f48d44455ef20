#include "client/render/Fonts.h"
#include "client/render/OutcomeBanner.h"
#include "client/render/RenderContext.h"
#include "core/Input.h"
#include "platform/Platform.h"
#include "support/GlWindow.h"

#include <GL/glew.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

const char* const SystemFont = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";

// The window's pixels after drawing the banner over white.
std::vector<Rgb> drawOverWhite(GameOutcome::Result result, const std::optional<std::string>& name = {}) {
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    enterOrthoMode();
    drawOutcomeBanner(result, name);
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

TEST(OutcomeBannerTest, ThePlayersNameStandsOnABandRightUnderTheWord) {
    ASSERT_TRUE(openGlWindow());
    ASSERT_TRUE(loadFont(menuFont, SystemFont, 48));
    fitClientSizeToWindow();
    const auto at = [](const std::vector<Rgb>& pixels, int x, int y) {
        return pixels[static_cast<std::size_t>(y) * ClientWidth + x];
    };
    // White text on the band below the word's band, which ends 70 rows under the middle.
    const auto nameText = [&](const std::vector<Rgb>& pixels) {
        int white = 0;
        for (int y = ClientHeight / 2 - 120; y < ClientHeight / 2 - 70; ++y)
            for (int x = ClientWidth / 4; x < ClientWidth * 3 / 4; ++x)
                white += at(pixels, x, y) == Rgb{255, 255, 255};
        return white;
    };
    const auto bare = drawOverWhite(GameOutcome::Defeat);
    const auto named = drawOverWhite(GameOutcome::Defeat, "Ada");
    EXPECT_EQ(at(bare, 5, ClientHeight / 2 - 80)[0], 255) << "no second band without a name";
    for (int y = ClientHeight / 2 - 110; y < ClientHeight / 2 - 65; ++y)
        EXPECT_LT(at(named, 5, y)[0], 128) << "no seam of the scene between the bands, row " << y;
    EXPECT_GT(nameText(named), 20) << "the name in white";
    EXPECT_GT(at(named, 5, ClientHeight / 2 - 125)[0], 128) << "the name's band ends under it";
}

} // namespace
