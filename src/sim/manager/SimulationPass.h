#pragma once

// One pass of the simulation: the object manager's update, then the player manager's, then the
// judgement of the game's outcome.
void runSimulationPass();

// Ends the simulation: the player manager goes first, then the object manager and everything in
// the world with it.
void destroySimulation();
