#pragma once

#include "sim/players/Player.h"

#include <cstdint>
#include <ctime>
#include <string>

// Starts a game: seeds the game's random generator with `seed`, opens the log, writes the playing
// sides' messages to it, makes the refused test charge and places the starting units, the enemy's
// `enemyMarines` Marines among them. The map's own objects are placed before this runs.
void runGameSetup(std::time_t seed, int32_t enemyMarines);

// Writes a player message to the log as an "RSS MESSAGE " line.
void onPlayerMessage(const std::string& text, Player::MessageType kind);
