#pragma once

#include "sim/players/GameOutcome.h"

// In 2-D mode: "Victory" or "Defeat" on a dark band across the middle of the window once the game
// is decided; nothing while it is being played.
void drawOutcomeBanner(GameOutcome::Result result);
