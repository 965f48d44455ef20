#include "client/render/Font.h"
#include "client/render/GlyphImage.h"
#include "client/render/RenderContext.h"
#include "support/GlWindow.h"
#include "support/QuadRecorder.h"

#include <gtest/gtest.h>

namespace {

const char* const SystemFont = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";

const Font& systemFont() {
    static Font font;
    if (!font.ready)
        loadFont(font, SystemFont, 32);
    return font;
}

struct Piece {
    std::string text;
    int x;
    int y;
};

class FontTest : public ::testing::Test {
protected:
    const Font& font = systemFont();
    const int left = 100;
    const int top = 600;
    const int firstLine = top - font.lineHeight;
    const int secondLine = firstLine - font.lineHeight;

    void SetUp() override {
        ASSERT_TRUE(openGlWindow());
        ASSERT_TRUE(font.ready);
        resizeView();
    }

    int width(const std::string& text) const { return textWidth(font, text, -1); }

    static std::vector<RecordedQuad> printed(const Font& f, const std::string& text, int size) {
        return recordQuads([&] { print(f, text, 200, 400, size, true); });
    }

    std::vector<RecordedQuad> printedPieces(std::initializer_list<Piece> pieces) const {
        return recordQuads([&] {
            for (const Piece& piece : pieces)
                print(font, piece.text, piece.x, piece.y, -1, true);
        });
    }

    std::vector<RecordedQuad> boxed(const std::string& text, int right, bool centred) const {
        return recordQuads([&] { printBox(font, text, left, right, top, -1, centred, true); });
    }
};

TEST_F(FontTest, ALineFeedStartsOneLineLowerAtXAndTheSpaceIsAGlyph) {
    const auto quads = printed(font, "A V\nB", -1);
    ASSERT_EQ(quads.size(), 4u) << "an empty bitmap still gets a texture";
    EXPECT_EQ(quads, printedPieces({{"A V", 200, 400}, {"B", 200, 400 - font.lineHeight}}));
    EXPECT_EQ(printed(font, "A V\nB", font.size), quads) << "-1 is the font's own size";
}

TEST_F(FontTest, BytesAbove127AndAFontThatCannotBeOpenedPrintNothingAndTakeNoRoom) {
    EXPECT_EQ(printed(font, std::string("A\xC3\xA9\xFF") + "B", -1), printed(font, "AB", -1));
    EXPECT_EQ(width("A\x80\xFF"), width("A"));

    Font missing;
    EXPECT_FALSE(loadFont(missing, "data\\fonts\\no-such-font.ttf", 32));
    EXPECT_TRUE(printed(missing, "A", 16).empty()) << "a font that cannot be opened";
    EXPECT_EQ(textWidth(missing, "A", 16), 0);
}

TEST_F(FontTest, GlyphBitmapSitsBottomUpInTheLowerLeftOfAPowerOfTwoTexture) {
    std::vector<uint8_t> bitmap(9 * 8); // 5 x 9 pixels, rows 8 bytes apart
    for (int row = 0; row < 9; ++row)
        for (int column = 0; column < 5; ++column)
            bitmap[row * 8 + column] = static_cast<uint8_t>(10 * row + column + 1);
    const GlyphImage image = layoutGlyph(bitmap.data(), 5, 9, 8);
    ASSERT_EQ(image.width, 8);
    ASSERT_EQ(image.height, 16);
    for (int row = 0; row < 16; ++row)
        for (int column = 0; column < 8; ++column) {
            const int expected = row < 9 && column < 5 ? 10 * (8 - row) + column + 1 : 0;
            const size_t texel = (row * 8 + column) * 2;
            EXPECT_EQ(image.texels.at(texel), expected) << "row " << row << " column " << column;
            EXPECT_EQ(image.texels.at(texel + 1), expected) << "alpha equals coverage";
        }
}

TEST_F(FontTest, BoxWrapsBeforeTheWordThatWouldPassTheRightEdge) {
    EXPECT_EQ(boxed("aa bb cc\ndd", left + width("aa bb"), false),
              printedPieces({{"aa", left, firstLine},
                             {" bb", left + width("aa"), firstLine},
                             {"cc", left, secondLine},
                             {"dd", left, secondLine - font.lineHeight}}));
    EXPECT_EQ(boxed("a wwwwwwwwww b", left + width("www"), false),
              printedPieces({{"a", left, firstLine},
                             {"wwwwwwwwww", left, secondLine},
                             {"b", left, secondLine - font.lineHeight}}))
        << "a word wider than the box gets a line of its own";
}

TEST_F(FontTest, CentredBoxCentresEachLineTruncatingTheHalfAndAnEmptyBoxPrintsNothing) {
    const int boxWidth = width("aa bb") + 11;
    EXPECT_EQ(boxed("aa bb cc", left + boxWidth, true),
              printedPieces(
                  {{"aa bb", left + 5, firstLine}, {"cc", left + (boxWidth - width("cc")) / 2, secondLine}}));
    EXPECT_EQ(boxed("wwwwwwwwww", left + width("wwwwwwwwww") - 7, true),
              printedPieces({{"wwwwwwwwww", left - 3, firstLine}}))
        << "a word wider than the box is centred on its own width";
    EXPECT_TRUE(boxed("", 400, true).empty());
    EXPECT_TRUE(boxed("", 400, false).empty());
}

} // namespace
