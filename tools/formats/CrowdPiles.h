#pragma once

#include "files/WorldFile.h"

// Appends `count` metal piles on a square grid, one cell apart, around player 1's base centre. The
// start view looks a little beyond the base, so the grid is centred a few rows past it and all of
// it shows: a crowded view for measuring and checking the frame without changing the game.
void addCrowdPiles(WorldFile& map, int count);
