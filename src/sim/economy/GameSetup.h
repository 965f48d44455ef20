#pragma once

#include "sim/players/Player.h"

#include <string>

// Starts a game: seeds the simulation's random generator, opens the log, writes the playing sides' messages
// to it, makes the refused test charge and places the starting units. The map's own objects are
// placed before this runs.
void runGameSetup();

// Writes a player message to the log as an "RSS MESSAGE " line.
void onPlayerMessage(const std::string& text, Player::MessageType kind);
