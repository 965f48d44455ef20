#pragma once

#include "client/render/Texture.h"

// Texture coordinates at a quad's left, right, bottom and top edges.
struct TextureSpan {
    float uLeft = 0.0f;
    float uRight = 1.0f;
    float vBottom = 0.0f;
    float vTop = 1.0f;
};

// One quad in window pixels with the texture bound; the caller has set texturing and the colour.
void drawTexturedQuad(const Texture& texture, float left, float bottom, float right, float top,
                      TextureSpan span = {});

// One quad with texturing switched off for it.
void drawPlainQuad(float left, float bottom, float right, float top);

// The frame of drop-down and text fields, `width` wide and 31 pixels tall: an end cap 15 pixels
// wide at each end (the right one mirrored) and the border between them, repeating every 4 pixels.
void drawFieldFrame(int left, int bottom, int width);
