#pragma once

#include "files/World.h"

// The terrain grid of the game being played (empty until a game starts on a map).
const World& gameMap();

// The world point of a grid position on the current game's map, with the ground height under it.
WorldPoint groundPoint(double z, double x);
