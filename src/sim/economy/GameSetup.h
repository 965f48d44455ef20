#pragma once

#include "sim/players/Player.h"

#include <cstdint>
#include <string>

// How many Marines the enemy starts with in a standard game.
constexpr int32_t StandardEnemyMarines = 15;

// Starts a game: seeds the simulation's random generator, opens the log, writes the playing sides' messages
// to it, makes the refused test charge and places the starting units, the enemy's Marines among
// them. The map's own objects are placed before this runs.
void runGameSetup(int32_t enemyMarines = StandardEnemyMarines);

// Writes a player message to the log as an "RSS MESSAGE " line.
void onPlayerMessage(const std::string& text, Player::MessageType kind);
