#pragma once

#include "client/render/CameraMoves.h"

#include <cstdint>

// The cell under the mouse as the last pick found it; (-1, -1) when the cursor is not over the
// terrain. Move orders go to it.
struct GroundCell {
    int32_t hoverRow = 0;
    int32_t hoverColumn = 0;

    bool valid() const { return hoverRow >= 0 && hoverColumn >= 0; }
};

extern GroundCell HoverCell;

// Draws the loaded world with the current model-view matrix: one draw call per texture layer
// (untextured cells dark green), then the black cell grid lifted a little above the ground.
void drawTerrain();

// Whether the ground fills the whole window from this view, so that no sky can show: every ray
// through the window's corners comes down inside the map from above its highest hill.
bool groundFillsView(const Camera& camera, const ViewShape& shape);

// Finds the cell under window pixel (x, y), y counted up from the bottom of the client area, from
// the depth buffer. Call it right after drawTerrain, before anything else covers the ground.
void pickGroundCell(int x, int y);
