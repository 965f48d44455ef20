#pragma once

#include "client/render/Texture.h"
#include "sim/manager/SelectedObjects.h"

// The circle image, black keyed out.
extern Texture selectionCircle;

// The loading sequence's step: "data\textures\circle.png", black transparent, linear.
void loadSelectionCircle();

// A red circle of 2 x 2 cells on the ground under each selected object, following the slope.
void drawSelectionCircles(const SelectedObjects& selection);
