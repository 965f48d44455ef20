#include "sim/objects/Fighter.h"

#include "sim/game/Game.h"

Fighter::Fighter(WorldObjectData record) : IWorldObject(std::move(record)) {
    MoveableFightable::attach(data);
}

void Fighter::moveTo(double x, double z) {
    endAttackMove();
    disengage();
    Moveable::moveTo(x, z);
}

void Fighter::actOn(std::shared_ptr<IWorldObject> object) {
    if (!object)
        return;
    endAttackMove();
    if (dynamic_cast<Fightable*>(object.get())) {
        setTarget(std::move(object));
        return;
    }
    const GridPosition position = object->getPosition();
    Moveable::moveTo(position.x, position.z);
}

void Fighter::halt() {
    endAttackMove();
    MoveableFightable::stop();
}

bool Fighter::engagesOnSight() const {
    return Game::skirmish();
}
