#include "app/GameHooks.h"

#include "economy/GameSetup.h"
#include "manager/SimulationPass.h"

void setupGame() {
    runGameSetup();
}

void updateSimulation() {
    runSimulationPass();
}

void shutdownGame() {
    destroySimulation();
}
