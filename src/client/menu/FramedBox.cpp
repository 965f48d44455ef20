#include "client/menu/FramedBox.h"

#include "client/menu/MenuArt.h"
#include "client/menu/MenuQuads.h"

#include <GL/glew.h>

namespace {

constexpr float Frame = 32.0f; // the depth of the frame's pieces

// A strip along a vertical edge: u runs along it from the bottom up to `length`, v falls from 1 on
// the outer side to 0 on the inner side.
void drawSideStrip(float outerX, float innerX, float bottom, float top, float length) {
    glBindTexture(GL_TEXTURE_2D, menuArt.boxBorder.id);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(outerX, bottom);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(innerX, bottom);
    glTexCoord2f(length, 0.0f);
    glVertex2f(innerX, top);
    glTexCoord2f(length, 1.0f);
    glVertex2f(outerX, top);
    glEnd();
}

} // namespace

void drawFramedBox(int centreX, int centreY, int halfWidth, int halfHeight, uint8_t alpha, uint32_t colour) {
    const auto left = static_cast<float>(centreX - halfWidth);
    const auto right = static_cast<float>(centreX + halfWidth);
    const auto bottom = static_cast<float>(centreY - halfHeight);
    const auto top = static_cast<float>(centreY + halfHeight);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4ub(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF, alpha);

    // Corners: the picture's (u 0, v 1) corner at the box's outer corner.
    drawTexturedQuad(menuArt.boxEdge, left, top - Frame, left + Frame, top, {0.0f, 1.0f, 0.0f, 1.0f});
    drawTexturedQuad(menuArt.boxEdge, right - Frame, top - Frame, right, top, {1.0f, 0.0f, 0.0f, 1.0f});
    drawTexturedQuad(menuArt.boxEdge, left, bottom, left + Frame, bottom + Frame, {0.0f, 1.0f, 1.0f, 0.0f});
    drawTexturedQuad(menuArt.boxEdge, right - Frame, bottom, right, bottom + Frame, {1.0f, 0.0f, 1.0f, 0.0f});

    // Edges: v is 1 on the outer edge and 0 on the inner one.
    const auto across = static_cast<float>(halfWidth - 64) * 0.25f;
    const auto upward = static_cast<float>(halfHeight - 64) * 0.25f;
    drawTexturedQuad(menuArt.boxBorder, left + Frame, top - Frame, right - Frame, top,
                     {0.0f, across, 0.0f, 1.0f});
    drawTexturedQuad(menuArt.boxBorder, left + Frame, bottom, right - Frame, bottom + Frame,
                     {0.0f, across, 1.0f, 0.0f});
    drawSideStrip(left, left + Frame, bottom + Frame, top - Frame, upward);
    drawSideStrip(right, right - Frame, bottom + Frame, top - Frame, upward);

    drawPlainQuad(left + Frame, bottom + Frame, right - Frame, top - Frame);
}
