#pragma once

#include "Image.h"
#include "ModelData.h"

#include <vector>

// Pictures for people, written beside the data folder: they show what a bake made without
// starting the game.

// Every model from a three-quarter view in its rest pose, and the first animation's keyframes
// of the animated ones, on one sheet.
Image modelContactSheet(const std::vector<BakedModel>& models);

// A model's portrait from the front, slightly above: the unit thumbnails of the interface.
Image modelPortrait(const BakedModel& model, int size, Rgb teamColour);

// The game's icon for desktops: the model in front of a rounded badge, `size` pixels square.
// Coverage is opacity: the corners around the badge stay transparent.
Image modelIcon(const BakedModel& model, int size, Rgb teamColour);
