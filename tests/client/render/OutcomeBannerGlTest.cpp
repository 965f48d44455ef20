#include "client/render/Fonts.h"
#include "client/render/OutcomeBanner.h"
#include "client/render/RenderContext.h"
#include "core/Input.h"
#include "platform/Platform.h"
#include "support/GlWindow.h"

#include <GL/glew.h>
#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

const char* const SystemFont = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";

class OutcomeBannerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(openGlWindow());
        if (!menuFont.ready) {
            ASSERT_TRUE(loadFont(menuFont, SystemFont, 48));
        }
        const platform::Rect client = platform::clientRect();
        ClientWidth = client.right;
        ClientHeight = client.bottom;
    }

    // The window's pixels after drawing the banner over white.
    std::vector<std::array<unsigned char, 3>> drawOverWhite(GameOutcome::Result result) {
        glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        enterOrthoMode();
        drawOutcomeBanner(result);
        leaveOrthoMode();
        glFinish();
        std::vector<std::array<unsigned char, 3>> pixels(static_cast<std::size_t>(ClientWidth) *
                                                         ClientHeight);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, ClientWidth, ClientHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    int countWhere(const std::vector<std::array<unsigned char, 3>>& pixels, auto test) {
        int count = 0;
        for (const auto& p : pixels)
            count += test(p) ? 1 : 0;
        return count;
    }
};

TEST_F(OutcomeBannerTest, VictoryAndDefeatShowOnABandAcrossTheMiddleAndPlayShowsNothing) {
    const auto playing = drawOverWhite(GameOutcome::Playing);
    EXPECT_EQ(countWhere(playing, [](const auto& p) { return p[0] != 255 || p[1] != 255 || p[2] != 255; }),
              0);

    const auto victory = drawOverWhite(GameOutcome::Victory);
    const auto& middleLeft = victory[static_cast<std::size_t>(ClientHeight / 2) * ClientWidth + 5];
    EXPECT_LT(middleLeft[0], 128) << "a dark band across the window's middle";
    const auto gold = [](const auto& p) { return p[0] > 200 && p[1] > 170 && p[2] < 120; };
    EXPECT_GT(countWhere(victory, gold), 500) << "the word in gold";

    const auto defeat = drawOverWhite(GameOutcome::Defeat);
    EXPECT_EQ(countWhere(defeat, gold), 0);
    EXPECT_GT(countWhere(defeat, [](const auto& p) { return p[0] > 180 && p[1] < 90 && p[2] < 90; }), 500);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
