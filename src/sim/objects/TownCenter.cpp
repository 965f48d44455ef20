#include "sim/objects/TownCenter.h"

#include "sim/game/Game.h"

TownCenter::TownCenter(WorldObjectData record) : IWorldObject(std::move(record)) {
    Constructer::attach(data);
    ResourceReceiverType<Metal>::attach(data);
    ResourceReceiverType<VermilionOil>::attach(data);
    initialise(data);
}

void TownCenter::stop() {
    clearQueue();
    disengage();
}

void TownCenter::update() {
    Constructer::update();
    Fightable::update();
}

void TownCenter::onRemove() {
    clearQueue();
    dropTarget();
}

bool TownCenter::engagesOnSight() const {
    return Game::skirmish();
}
