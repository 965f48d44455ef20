#pragma once

// What the in-game frame hands over to other parts of the game. Whoever builds a part replaces
// its stub in FrameHooks.cpp with the real function and deletes the stub.
void drawInterfacePanel(); // in 2-D mode: the panel filled from the human player's selection
