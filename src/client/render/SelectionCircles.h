#pragma once

#include "client/render/Texture.h"
#include "sim/manager/SelectedObjects.h"

#include <cstdint>

// The circle image, black keyed out.
extern Texture selectionCircle;

// The loading sequence's step: "data\textures\circle.png", black transparent, linear.
void loadSelectionCircle();

// A red circle of 2 x 2 cells on the ground under each selected object, following the slope.
void drawSelectionCircles(const SelectedObjects& selection);

// Circles that lie on the ground, following the slope: begin in a colour, add each circle (centre
// and half its width in grid units, raised `lift` above the ground), end.
void beginGroundCircles(uint8_t red, uint8_t green, uint8_t blue);
void groundCircle(double x, double z, double halfWidth, double lift);
void endGroundCircles();
