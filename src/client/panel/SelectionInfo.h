#pragma once

class Player;

// The panel filled from the player's selection: the read-out of the one selected object, or the
// pictures of several.
void drawSelectionInfo(Player& player);
