#include "sim/objects/Barracks.h"

Barracks::Barracks(WorldObjectData record) : IWorldObject(std::move(record)) {
    Constructer::attach(data);
    initialise(data);
}

void Barracks::update() {
    Constructer::update();
    Fightable::update();
}

void Barracks::onRemove() {
    clearQueue();
    dropTarget();
}
