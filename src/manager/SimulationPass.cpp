#include "manager/SimulationPass.h"

#include "manager/ObjectManager.h"
#include "players/PlayerManager.h"

void runSimulationPass() {
    ObjectManager::getInstance()->update();
    PlayerManager::getInstance()->update();
}

void destroySimulation() {
    PlayerManager::destroyInstance();
    ObjectManager::destroyInstance();
}
