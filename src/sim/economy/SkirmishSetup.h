#pragma once

#include <cstdint>
#include <ctime>

// Starts a skirmish on the map's base centres (a side without one gets one): seeds the game's random
// generator with `seed`, opens the log, writes the playing sides' messages to it, and gives each
// side four Workers in front of its base centre and a rally point beyond them; side 2 also gets
// `enemyMarines` Marines beside its base.
void runSkirmishSetup(std::time_t seed, int32_t enemyMarines);

// How many Workers each side starts a skirmish with.
constexpr int32_t SkirmishWorkers = 4;
