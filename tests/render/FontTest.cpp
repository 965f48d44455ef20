#include "render/Font.h"
#include "render/GlyphImage.h"
#include "render/RenderContext.h"
#include "support/GlWindow.h"
#include "support/QuadRecorder.h"

#include <GL/glew.h>
#include <gtest/gtest.h>

#include <array>
#include <map>

namespace {

// From fonts-liberation2.
const char* const SystemFont = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";

const Font& systemFont(int pixelSize) {
    static std::map<int, Font> fonts;
    auto [entry, added] = fonts.try_emplace(pixelSize);
    if (added)
        loadFont(entry->second, SystemFont, pixelSize);
    return entry->second;
}

struct Piece {
    std::string text;
    int x;
    int y;
};

class FontTest : public ::testing::Test {
protected:
    const Font& font = systemFont(32);
    const int lineHeight = font.lineHeight;

    void SetUp() override {
        ASSERT_TRUE(openGlWindow());
        ASSERT_TRUE(font.ready);
        resizeView();
    }

    int width(const std::string& text) const { return textWidth(font, text, -1); }

    // Where print puts glyph c at its own size with the pen at (penX, baseline).
    RecordedQuad glyphAt(unsigned char c, int penX, int baseline) const {
        const float left = static_cast<float>(penX + font.bearing[c]);
        const float bottom = static_cast<float>(baseline - font.descent[c]);
        return {left, bottom, left + static_cast<float>(font.textureWidth[c]),
                bottom + static_cast<float>(font.textureHeight[c])};
    }

    std::vector<RecordedQuad> printed(const Font& f, const std::string& text, int x, int y, int size) const {
        return recordQuads([&] { print(f, text, x, y, size, true); });
    }

    std::vector<RecordedQuad> printedPieces(std::initializer_list<Piece> pieces) const {
        return recordQuads([&] {
            for (const Piece& piece : pieces)
                print(font, piece.text, piece.x, piece.y, -1, true);
        });
    }

    std::vector<RecordedQuad> boxed(const std::string& text, int left, int right, int top,
                                    bool centred) const {
        return recordQuads([&] { printBox(font, text, left, right, top, -1, centred, true); });
    }
};

TEST_F(FontTest, GlyphsFollowThePenAndALineFeedStartsOneLineLowerAtX) {
    const auto quads = printed(font, "AV\nB", 200, 400, -1);
    ASSERT_EQ(quads.size(), 3u);
    EXPECT_EQ(quads[0], glyphAt('A', 200, 400));
    EXPECT_EQ(quads[1], glyphAt('V', 200 + font.advance['A'], 400));
    EXPECT_EQ(quads[2], glyphAt('B', 200, 400 - lineHeight));
}

TEST_F(FontTest, SpaceHasAOneTexelTextureAndAdvancesThePen) {
    EXPECT_EQ(font.textureWidth[' '], 1);
    EXPECT_EQ(font.textureHeight[' '], 1);
    GLint textureWidth = 0;
    glBindTexture(GL_TEXTURE_2D, font.textures[' ']);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &textureWidth);
    EXPECT_EQ(textureWidth, 1);

    const auto quads = printed(font, "A B", 200, 400, -1);
    ASSERT_EQ(quads.size(), 3u);
    EXPECT_EQ(quads[2], glyphAt('B', 200 + font.advance['A'] + font.advance[' '], 400));
    EXPECT_EQ(width("A B"), font.advance['A'] + font.advance[' '] + font.advance['B']);
}

TEST_F(FontTest, ScaledPrintingScalesEachMetricSeparatelyTowardZero) {
    const Font& odd = systemFont(33);
    ASSERT_TRUE(odd.ready);
    ASSERT_LT(odd.descent['\''], 0) << "the apostrophe floats above the baseline";
    ASSERT_NE(odd.descent['\''] * 16 % 33, 0) << "a metric that does not halve evenly";
    const auto half = [](int metric) { return metric * 16 / 33; }; // C++ division truncates toward zero

    const auto quads = printed(odd, "'j", 300, 500, 16);
    ASSERT_EQ(quads.size(), 2u);
    EXPECT_EQ(quads[0].left, 300 + half(odd.bearing['\'']));
    EXPECT_EQ(quads[0].bottom, 500 - half(odd.descent['\'']));
    EXPECT_EQ(quads[0].width(), half(odd.textureWidth['\'']));
    EXPECT_EQ(quads[0].height(), half(odd.textureHeight['\'']));
    EXPECT_EQ(quads[1].left, 300 + half(odd.advance['\'']) + half(odd.bearing['j']));
    EXPECT_EQ(textWidth(odd, "'j", 16), half(odd.advance['\'']) + half(odd.advance['j']));

    EXPECT_EQ(printed(odd, "'j\nx", 300, 500, -1), printed(odd, "'j\nx", 300, 500, 33))
        << "-1 is the own size";
    EXPECT_EQ(textWidth(odd, "'j", -1), odd.advance['\''] + odd.advance['j']);
}

TEST_F(FontTest, BytesAbove127PrintNothingAndTakeNoRoom) {
    EXPECT_EQ(printed(font,
                      "A\xC3\xA9\xFF"
                      "B",
                      200, 400, -1),
              printed(font, "AB", 200, 400, -1));
    EXPECT_EQ(width("A\x80\xFF"
                    "B"),
              width("AB"));
}

TEST_F(FontTest, GlyphBitmapSitsBottomUpInTheLowerLeftOfAPowerOfTwoTexture) {
    std::array<uint8_t, 9 * 8> bitmap{}; // 5 x 9 pixels, rows 8 bytes apart
    for (int row = 0; row < 9; ++row)
        for (int column = 0; column < 5; ++column)
            bitmap[row * 8 + column] = static_cast<uint8_t>(10 * row + column + 1);
    const GlyphImage image = layoutGlyph(bitmap.data(), 5, 9, 8);
    ASSERT_EQ(image.width, 8);
    ASSERT_EQ(image.height, 16);
    ASSERT_EQ(image.texels.size(), 8u * 16u * 2u);
    for (int textureRow = 0; textureRow < 16; ++textureRow)
        for (int column = 0; column < 8; ++column) {
            const bool inGlyph = textureRow < 9 && column < 5;
            const int expected = inGlyph ? 10 * (8 - textureRow) + column + 1 : 0;
            const size_t texel = (textureRow * 8 + column) * 2;
            EXPECT_EQ(image.texels[texel], expected) << "row " << textureRow << " column " << column;
            EXPECT_EQ(image.texels[texel + 1], expected) << "alpha equals coverage";
        }

    const GlyphImage empty = layoutGlyph(nullptr, 0, 0, 0);
    EXPECT_EQ(empty.width, 1);
    EXPECT_EQ(empty.height, 1);
    EXPECT_EQ(empty.texels, (std::vector<uint8_t>{0, 0}));
}

TEST_F(FontTest, PrintedGlyphsStandUpright) {
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glColor3ub(255, 255, 255);
    const auto quad = printed(font, "T", 100, 100, 96).at(0);
    print(font, "T", 100, 100, 96, true);
    glFinish();

    const int w = static_cast<int>(quad.width());
    const int h = static_cast<int>(quad.height());
    std::vector<GLubyte> pixels(static_cast<size_t>(w * h) * 4);
    glReadPixels(static_cast<int>(quad.left), static_cast<int>(quad.bottom), w, h, GL_RGBA, GL_UNSIGNED_BYTE,
                 pixels.data());
    std::vector<int> litPerRow; // bottom row first, only rows with ink
    for (int row = 0; row < h; ++row) {
        int lit = 0;
        for (int column = 0; column < w; ++column)
            lit += pixels[(row * w + column) * 4] > 128 ? 1 : 0;
        if (lit > 0)
            litPerRow.push_back(lit);
    }
    ASSERT_GT(litPerRow.size(), 10u);
    EXPECT_GT(litPerRow.back(), 3 * litPerRow.front()) << "the bar of the T is on top";
}

TEST_F(FontTest, PrintKeepsBlendingAndTheMatricesAsItFoundThem) {
    glDisable(GL_BLEND);
    print(font, "A", 10, 10, -1, true);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    glEnable(GL_BLEND);
    print(font, "A", 10, 10, -1, true);
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    glDisable(GL_BLEND);

    const auto switchedByCaller = recordQuads([&] {
        enterOrthoMode();
        print(font, "AB", 200, 300, -1, false);
        leaveOrthoMode();
    });
    EXPECT_EQ(printed(font, "AB", 200, 300, -1), switchedByCaller);
}

TEST_F(FontTest, FontThatCannotBeOpenedPrintsNothing) {
    Font missing;
    EXPECT_FALSE(loadFont(missing, "data\\fonts\\no-such-font.ttf", 32));
    EXPECT_FALSE(loadFont(missing, SystemFont, 0));
    EXPECT_FALSE(missing.ready);
    EXPECT_TRUE(recordQuads([&] {
                    print(missing, "A", 10, 10, 16, true);
                    printBox(missing, "A B", 10, 100, 200, 16, true, true);
                }).empty());
    EXPECT_EQ(textWidth(missing, "A", 16), 0);
}

TEST_F(FontTest, BoxWrapsBeforeTheWordThatWouldPassTheRightEdge) {
    const int left = 100;
    const int top = 600;
    const int first = top - lineHeight;
    EXPECT_EQ(boxed("aa bb cc\ndd", left, left + width("aa bb"), top, false),
              printedPieces({{"aa", left, first},
                             {" bb", left + width("aa"), first},
                             {"cc", left, first - lineHeight},
                             {"dd", left, first - 2 * lineHeight}}));
}

TEST_F(FontTest, BoxGivesAWordWiderThanTheBoxALineOfItsOwn) {
    const int left = 100;
    const int top = 600;
    const int first = top - lineHeight;
    EXPECT_EQ(boxed("a wwwwwwwwww b", left, left + width("www"), top, false),
              printedPieces({{"a", left, first},
                             {"wwwwwwwwww", left, first - lineHeight},
                             {"b", left, first - 2 * lineHeight}}));
}

TEST_F(FontTest, CentredBoxCentresEachLineTruncatingTheHalf) {
    const int left = 100;
    const int top = 600;
    const int first = top - lineHeight;
    const int boxWidth = width("aa bb") + 11;
    EXPECT_EQ(boxed("aa bb cc", left, left + boxWidth, top, true),
              printedPieces({{"aa bb", left + 5, first},
                             {"cc", left + (boxWidth - width("cc")) / 2, first - lineHeight}}));

    const int narrow = width("wwwwwwwwww") - 7;
    EXPECT_EQ(boxed("wwwwwwwwww", left, left + narrow, top, true),
              printedPieces({{"wwwwwwwwww", left - 3, first}}))
        << "a word wider than the box is centred on its own width";
}

TEST_F(FontTest, EmptyBoxPrintsNothing) {
    EXPECT_TRUE(boxed("", 100, 400, 600, false).empty());
    EXPECT_TRUE(boxed("", 100, 400, 600, true).empty());
}

} // namespace
