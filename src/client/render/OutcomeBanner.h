#pragma once

#include "sim/players/GameOutcome.h"

#include <optional>
#include <string>

// In 2-D mode: "Victory" or "Defeat" on a dark band across the middle of the window once the game
// is decided; nothing while it is being played.
// With a player's name, it shows under the word.
void drawOutcomeBanner(GameOutcome::Result result, const std::optional<std::string>& playerName = {});
