#pragma once

#include "client/menu/CustomMapPage.h"
#include "sim/game/GameSettings.h"

#include <cstdint>
#include <string>

// A skirmish on `mapPath`, side 2 played by the computer or by nobody; the seed and the map's
// checksum are the game's to fill in as it starts.
GameSettings skirmishSettings(const std::string& mapPath, bool computerOpponent, int32_t enemyMarines);

// The skirmish the "Custom Map" page asks for, in place of the game being played and behind the
// loading screen; true once it runs. A map that does not load is said in a box over the menu, and
// the game being played goes on as it was.
bool startSkirmish(const SkirmishChoice& choice);
