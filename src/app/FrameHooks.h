#pragma once

// What the in-game frame hands over to the interface panel.
void drawInterfacePanel(); // in 2-D mode: the panel filled from the human player's selection
