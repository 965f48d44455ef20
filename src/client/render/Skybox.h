#pragma once

#include "client/render/Texture.h"

#include <array>
#include <cstdint>
#include <string>

// The sky: a textured cube centred on the eye, filling what the frame has not covered by then.
// Slots, in order: front (+z), back (-z), left (-x), right (+x), up, down.
struct Skybox {
    static constexpr int FaceCount = 6;

    std::array<std::string, FaceCount> facePaths;
    std::array<Texture, FaceCount> faceTextures;
    std::array<bool, FaceCount> unavailable{}; // failed to load: reported once, not tried again
    bool loaded = false;                       // set once all six loads have been tried
    bool drawnSinceCheck = false;              // see releaseIdleSkybox
    uint32_t lastShown = 0;                    // tick of the last check that found the sky drawn
};

extern Skybox skybox;

// Loads the six faces, linearly filtered and clamped to the edge so the seams show no border. A
// face that fails to load is reported by the texture loader; the others still load.
void loadSkybox(const std::array<std::string, Skybox::FaceCount>& paths);

// Most views of a game in play are ground from edge to edge, so the sky's faces need not be held
// while it is not drawn: once no frame has drawn it for `SkyIdleMilliseconds` up to the tick `now`,
// the faces are given back, and the next draw loads them again. Call it once a frame.
constexpr uint32_t SkyIdleMilliseconds = 10000;
void releaseIdleSkybox(uint32_t now);

// Draws the cube of half size s around (x, y, z) at the far plane, where the depth buffer still
// holds its clear value, writing no depth: drawn after opaque ground it fills only the pixels the
// ground leaves, at the cost of a depth test for the rest, and whatever is drawn afterwards still
// covers it. Leaves texturing on and the colour white.
void drawSkybox(float x, float y, float z, float s);
