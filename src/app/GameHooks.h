#pragma once

#include <cstdint>

// What the shell asks of the game around the main loop.
void setupGame(int32_t enemyMarines); // once, after the clock starts; opens the log first
void updateSimulation();              // every active pass: the object manager, then the player manager
void shutdownGame();                  // after the loop: the player manager, then the object manager
