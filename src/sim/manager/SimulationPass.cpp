#include "sim/manager/SimulationPass.h"

#include "sim/manager/ObjectManager.h"
#include "sim/players/PlayerManager.h"

void runSimulationPass() {
    ObjectManager::getInstance()->update();
    PlayerManager::getInstance()->update();
}

void destroySimulation() {
    PlayerManager::destroyInstance();
    ObjectManager::destroyInstance();
}
