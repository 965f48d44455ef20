#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Model;

// What the layer that draws keeps for a model (its textures, its occlusion query): that layer
// derives its own record from this one, which stays opaque to everything below it.
struct ModelDrawingResources {
    virtual ~ModelDrawingResources() = default;
};

// One playing animation of an instance.
struct ModelAnimationEntry {
    int32_t animation = 0;   // index into the model's animations
    int32_t frame = 0;       // current frame
    uint32_t frameStart = 0; // system tick (ms) at which the current frame began
};

// The animations an instance plays, in the order they were started; one entry per animation.
using ModelAnimationState = std::vector<ModelAnimationEntry>;

// A world object's or projectile's picture: a shared model with its own animation state,
// facing and team colour. The object owns it and sets its colour, facing and animations; the
// client makes it and draws it. Whoever makes the instance hands it the model's record and what
// drawing that record needs; an instance without the latter is never drawn.
struct ModelInstance {
    const Model* model = nullptr;
    const ModelDrawingResources* gpu = nullptr;
    ModelAnimationState animationState;
    bool visible = false; // the last occlusion test
    float direction[3] = {0.0f, 0.0f, 0.0f};
    uint32_t colour = 0; // packed, red in the lowest byte
};

// Start (restarting if it plays) or stop the animation of that exact name; nothing if the model
// has none of that name.
void playAnimation(ModelInstance& instance, const std::string& name);
void stopAnimation(ModelInstance& instance, const std::string& name);
