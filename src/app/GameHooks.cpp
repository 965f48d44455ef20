#include "app/GameHooks.h"

#include "sim/economy/GameSetup.h"
#include "sim/manager/SimulationPass.h"

void setupGame() {
    runGameSetup();
}

void updateSimulation() {
    runSimulationPass();
}

void shutdownGame() {
    destroySimulation();
}
