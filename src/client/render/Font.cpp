#include "client/render/Font.h"

#include "client/render/GlyphImage.h"
#include "client/render/RenderContext.h"
#include "core/FilePath.h"

#include <GL/glew.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <vector>

namespace {

// FreeType metrics are 26.6 fixed point; the font keeps whole pixels, floored.
int32_t pixels(FT_Pos metric) {
    return static_cast<int32_t>(metric >> 6);
}

// Only an 8-bit coverage bitmap with whole rows can be read safely; anything else (an embedded
// one-bit bitmap, say) is drawn as an empty glyph.
bool readableBitmap(const FT_Bitmap& bitmap) {
    return bitmap.pixel_mode == FT_PIXEL_MODE_GRAY && bitmap.pitch >= static_cast<int>(bitmap.width) &&
           (bitmap.buffer != nullptr || bitmap.rows == 0);
}

uint32_t uploadGlyph(const GlyphImage& image) {
    GLuint id = 0;
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE_ALPHA, image.width, image.height, 0, GL_LUMINANCE_ALPHA,
                 GL_UNSIGNED_BYTE, image.texels.data());
    return id;
}

// A glyph that fails to load or render becomes an empty one with no metrics.
void makeGlyph(Font& font, FT_Face face, int code) {
    const bool rendered = FT_Load_Glyph(face, FT_Get_Char_Index(face, code), FT_LOAD_DEFAULT) == 0 &&
                          FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) == 0 &&
                          readableBitmap(face->glyph->bitmap);
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    const GlyphImage image = rendered ? layoutGlyph(bitmap.buffer, static_cast<int32_t>(bitmap.width),
                                                    static_cast<int32_t>(bitmap.rows), bitmap.pitch)
                                      : layoutGlyph(nullptr, 0, 0, 0);
    font.textures[code] = uploadGlyph(image);
    font.textureWidth[code] = image.width;
    font.textureHeight[code] = image.height;
    if (!rendered)
        return;
    const FT_Glyph_Metrics& metrics = face->glyph->metrics;
    font.advance[code] = pixels(face->glyph->advance.x);
    font.bearing[code] = pixels(metrics.horiBearingX);
    font.descent[code] = pixels(metrics.height - metrics.horiBearingY);
    font.lineHeight = std::max(font.lineHeight, pixels(metrics.height));
}

int32_t scaled(const Font& font, int32_t metric, int size) {
    return size == -1 ? metric : metric * size / font.size;
}

void drawGlyph(const Font& font, unsigned char code, int penX, int baseline, int size) {
    const int bottom = baseline - scaled(font, font.descent[code], size);
    const int top = bottom + scaled(font, font.textureHeight[code], size);
    const int right = penX + scaled(font, font.textureWidth[code], size);
    glBindTexture(GL_TEXTURE_2D, font.textures[code]);
    glBegin(GL_QUADS);
    glTexCoord2d(0.0, 1.0);
    glVertex2d(penX, top);
    glTexCoord2d(1.0, 1.0);
    glVertex2d(right, top);
    glTexCoord2d(1.0, 0.0);
    glVertex2d(right, bottom);
    glTexCoord2d(0.0, 0.0);
    glVertex2d(penX, bottom);
    glEnd();
}

// Bytes above 127 have no glyph: they print nothing and take no room.
bool hasGlyph(unsigned char code) {
    return code < Font::GlyphCount;
}

// Pieces between separators; two adjacent separators give an empty piece.
std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> pieces(1);
    for (char c : text) {
        if (c == separator)
            pieces.emplace_back();
        else
            pieces.back() += c;
    }
    return pieces;
}

void printLeftAligned(const Font& font, const std::vector<std::string>& words, int left, int right,
                      int& baseline, int size) {
    const int lineStep = scaled(font, font.lineHeight, size);
    int penX = left;
    int placed = 0;
    for (size_t i = 0; i < words.size();) {
        const std::string piece = placed > 0 ? " " + words[i] : words[i];
        const int width = textWidth(font, piece, size);
        if (penX + width <= right) {
            print(font, piece, penX, baseline, size, false);
            ++placed;
            penX += width;
            ++i;
        } else if (penX == left) {
            print(font, words[i], left, baseline, size, false);
            baseline -= lineStep;
            placed = 0;
            ++i;
        } else {
            baseline -= lineStep;
            penX = left;
            placed = 0;
        }
    }
    baseline -= lineStep;
}

void printCentred(const Font& font, const std::vector<std::string>& words, int left, int right, int& baseline,
                  int size) {
    const int lineStep = scaled(font, font.lineHeight, size);
    const int boxWidth = right - left;
    std::string buffer;
    int width = 0;
    int placed = 0;
    for (size_t i = 0; i < words.size();) {
        const std::string piece = placed > 0 ? " " + words[i] : words[i];
        const int pieceWidth = textWidth(font, piece, size);
        if (width + pieceWidth <= boxWidth) {
            buffer += piece;
            ++placed;
            width += pieceWidth;
            ++i;
        } else if (buffer.empty()) {
            print(font, words[i], left + (boxWidth - pieceWidth) / 2, baseline, size, false);
            baseline -= lineStep;
            ++i;
        } else {
            print(font, buffer, left + (boxWidth - width) / 2, baseline, size, false);
            baseline -= lineStep;
            buffer.clear();
            width = 0;
            placed = 0;
        }
    }
    if (width != 0)
        print(font, buffer, left + (boxWidth - width) / 2, baseline, size, false);
    baseline -= lineStep;
}

} // namespace

bool loadFont(Font& font, const std::string& path, int pixelSize) {
    if (pixelSize <= 0)
        return false;
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0)
        return false;
    FT_Face face = nullptr;
    if (FT_New_Face(library, normalisePath(path).c_str(), 0, &face) != 0) {
        FT_Done_FreeType(library);
        return false;
    }
    FT_Set_Pixel_Sizes(face, static_cast<FT_UInt>(pixelSize), static_cast<FT_UInt>(pixelSize));
    font = Font{};
    font.size = pixelSize;

    // Glyph rows are tightly packed and may be only two bytes long.
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (int code = 0; code < Font::GlyphCount; ++code)
        makeGlyph(font, face, code);
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);

    font.ready = true;
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return true;
}

void print(const Font& font, const std::string& text, int x, int y, int size, bool ortho) {
    if (!font.ready)
        return;
    if (ortho)
        enterOrthoMode();
    const bool blending = glIsEnabled(GL_BLEND);
    if (!blending)
        glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    int penX = x;
    int baseline = y;
    for (const unsigned char code : text) {
        if (!hasGlyph(code))
            continue;
        if (code == '\n') {
            baseline -= scaled(font, font.lineHeight, size);
            penX = x;
            continue;
        }
        const int bearing = scaled(font, font.bearing[code], size);
        penX += bearing;
        drawGlyph(font, code, penX, baseline, size);
        penX += scaled(font, font.advance[code], size) - bearing;
    }

    if (!blending)
        glDisable(GL_BLEND);
    if (ortho)
        leaveOrthoMode();
}

int32_t textWidth(const Font& font, const std::string& text, int size) {
    if (!font.ready)
        return 0;
    int32_t width = 0;
    for (const unsigned char code : text)
        if (hasGlyph(code))
            width += scaled(font, font.advance[code], size);
    return width;
}

void printBox(const Font& font, const std::string& text, int left, int right, int top, int size, bool centred,
              bool ortho) {
    if (!font.ready)
        return;
    if (ortho)
        enterOrthoMode();
    int baseline = top - scaled(font, font.lineHeight, size);
    for (const std::string& line : split(text, '\n')) {
        const std::vector<std::string> words = split(line, ' ');
        if (centred)
            printCentred(font, words, left, right, baseline, size);
        else
            printLeftAligned(font, words, left, right, baseline, size);
    }
    if (ortho)
        leaveOrthoMode();
}
