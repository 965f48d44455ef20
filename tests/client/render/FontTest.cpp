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

// The reference frames show the game's text; its glyphs' rows are exactly as wide as the glyph,
// so rows a pitch apart are seen only here.
TEST_F(FontTest, GlyphBitmapSitsBottomUpInTheLowerLeftOfAPowerOfTwoTexture) {
    const uint8_t bitmap[] = {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9}; // 3 x 3 pixels, rows 4 bytes apart
    const GlyphImage image = layoutGlyph(bitmap, 3, 3, 4);
    ASSERT_EQ(std::pair(image.width, image.height), std::pair(4, 4));
    EXPECT_EQ(image.texels, (std::vector<uint8_t>{7, 7, 8, 8, 9, 9, 0, 0, 4, 4, 5, 5, 6, 6, 0, 0,
                                                  1, 1, 2, 2, 3, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}))
        << "pairs of coverage and alpha, rows from the bottom";
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
