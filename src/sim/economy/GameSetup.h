#pragma once

#include <cstdint>
#include <ctime>

// Starts a game: seeds the game's random generator with `seed`, opens the log, writes the playing
// sides' messages to it, makes the refused test charge and places the starting units, the enemy's
// `enemyMarines` Marines among them. The map's own objects are placed before this runs.
void runGameSetup(std::time_t seed, int32_t enemyMarines);

// What every start does first: seeds the game's random generator with `seed`, opens the log and
// writes the playing sides' messages to it as "RSS MESSAGE " lines.
void beginSetup(std::time_t seed);
