#include "sim/manager/SimulationPass.h"

#include "sim/manager/ObjectManager.h"
#include "sim/players/PlayerManager.h"

void runSimulationPass() {
    ObjectManager* objects = ObjectManager::getInstance();
    objects->update();
    PlayerManager* players = PlayerManager::getInstance();
    players->update();
    players->getOutcome().judge(objects->getObjects());
}

void destroySimulation() {
    PlayerManager::destroyInstance();
    ObjectManager::destroyInstance();
}
