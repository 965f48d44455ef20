#include "client/menu/MenuQuads.h"

#include "client/menu/MenuArt.h"

#include <GL/glew.h>

void drawTexturedQuad(const Texture& texture, float left, float bottom, float right, float top,
                      TextureSpan span) {
    glBindTexture(GL_TEXTURE_2D, texture.id);
    glBegin(GL_QUADS);
    glTexCoord2f(span.uLeft, span.vBottom);
    glVertex2f(left, bottom);
    glTexCoord2f(span.uRight, span.vBottom);
    glVertex2f(right, bottom);
    glTexCoord2f(span.uRight, span.vTop);
    glVertex2f(right, top);
    glTexCoord2f(span.uLeft, span.vTop);
    glVertex2f(left, top);
    glEnd();
}

void drawPlainQuad(float left, float bottom, float right, float top) {
    glDisable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    glVertex2f(left, bottom);
    glVertex2f(right, bottom);
    glVertex2f(right, top);
    glVertex2f(left, top);
    glEnd();
    glEnable(GL_TEXTURE_2D);
}

void drawFieldFrame(int left, int bottom, int width) {
    constexpr int Cap = 15;
    constexpr int Height = 31;
    const auto x = static_cast<float>(left);
    const auto y = static_cast<float>(bottom);
    const auto right = static_cast<float>(left + width);
    const auto top = y + Height;
    const auto repeats = static_cast<float>((width - 32) / 4);
    drawTexturedQuad(menuArt.fieldEdge, x, y, x + Cap, top);
    drawTexturedQuad(menuArt.fieldBorder, x + Cap, y, right - Cap, top, {0.0f, repeats, 0.0f, 1.0f});
    drawTexturedQuad(menuArt.fieldEdge, right - Cap, y, right, top, {1.0f, 0.0f, 0.0f, 1.0f});
}
