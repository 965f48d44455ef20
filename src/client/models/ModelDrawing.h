#pragma once

#include "client/models/ModelGpu.h"
#include "files/Model.h"
#include "sim/objects/ModelInstance.h"

#include <cstdint>

// Draws the model at the current model-view matrix: the rest pose, or the playing animations
// interpolated between their keyframes by the system tick. The colour separator mesh wears
// `colour` (red in the lowest byte), every other mesh white. Advances the animation state.
void drawModel(const Model& model, const ModelGpu& gpu, ModelAnimationState* state, uint32_t colour);

// The occlusion test of the model's bounding box at the current model-view matrix, waiting for
// its result. Writes neither depth nor colour. A model without geometry or query is never visible.
bool isVisible(const Model& model, const ModelGpu& gpu);
// The same test in two halves: started in `query` without waiting (false, and no test, for a model
// without geometry), and its answer read later.
bool startVisibilityTest(const Model& model, const ModelGpu& gpu, uint32_t query);
bool passedVisibilityTest(uint32_t query);

// The four sides and the top of the model's bounding box.
void drawBoundingBox(const Model& model);

// The turn about the vertical axis, in degrees from 0 to 360, that faces a model (which faces +z
// at 0) along the horizontal part of `direction`; 0 for no horizontal direction.
double yawDegrees(const float direction[3]);

// Draws the instance at world point (x, y, z), turned to its direction, if its bounding box
// passes the occlusion test; remembers the result for picking.
void drawInstance(ModelInstance& instance, double x, double y, double z);

// Draws the instance's unturned bounding box on the ground at map position (x, z) in the current
// colour, if the instance was visible at its last draw.
void drawPickingBox(const ModelInstance& instance, double x, double z);
