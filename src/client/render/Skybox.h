#pragma once

#include "client/render/Texture.h"

#include <array>
#include <string>

// The sky: a textured cube centred on the eye, drawn first in every frame without writing depth.
// Slots, in order: front (+z), back (-z), left (-x), right (+x), up, down.
struct Skybox {
    static constexpr int FaceCount = 6;

    std::array<std::string, FaceCount> facePaths;
    std::array<Texture, FaceCount> faceTextures;
    bool loaded = false; // set once all six loads have been tried
};

extern Skybox skybox;

// Loads the six faces, linearly filtered and clamped to the edge so the seams show no border. A
// face that fails to load is reported by the texture loader; the others still load.
void loadSkybox(const std::array<std::string, Skybox::FaceCount>& paths);

// Draws the cube of half size s around (x, y, z) with depth writing off, so whatever is drawn
// afterwards covers it. Leaves texturing on and the colour white.
void drawSkybox(float x, float y, float z, float s);
