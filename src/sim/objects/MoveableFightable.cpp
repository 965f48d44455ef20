#include "sim/objects/MoveableFightable.h"

#include "sim/game/GameClock.h"
#include "sim/objects/IWorldObject.h"

void MoveableFightable::attach(WorldObjectData& record) {
    Moveable::attach(record);
    initialise(record);
}

void MoveableFightable::stop() {
    disengage();
    stopWalking();
}

void MoveableFightable::onAttack() {
    pauseDuration = ShotPause;
    pauseStart = gameClock().now();
}

void MoveableFightable::onTargetOutOfRange() {
    const GridPosition position = getTarget()->getPosition();
    moveTo(position.x, position.z);
}

void MoveableFightable::update() {
    if (getTarget() && isMoving() && isInRange())
        stopWalking();
    if (static_cast<int64_t>(pauseStart) + pauseDuration < gameClock().now()) {
        Moveable::update();
        Fightable::update();
    }
}
