#include "sim/objects/MoveableFightable.h"

#include "sim/game/GameClock.h"
#include "sim/manager/ObjectManager.h"
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

void MoveableFightable::startAttackMove(double x, double z) {
    disengage();
    attackMoving = true;
    engagedOnTheWay = false;
    goalX = x;
    goalZ = z;
    moveTo(x, z);
}

// A fight on the way ends when the target is gone (Fightable::update lets it go); the walk goes on.
void MoveableFightable::keepAttackMoving() {
    if (getTarget())
        return;
    if (engagedOnTheWay) {
        engagedOnTheWay = false;
        moveTo(goalX, goalZ);
        return;
    }
    if (!isMoving()) {
        attackMoving = false;
        return;
    }
    const WorldObjectData& self = *Moveable::object;
    const GridPosition here = self.position();
    std::shared_ptr<IWorldObject> enemy = ObjectManager::getInstance()->selectNearestEnemy(self.owner, here);
    if (enemy && distance2D(enemy->getPosition(), here) <= getRange() && setTarget(std::move(enemy)))
        engagedOnTheWay = true;
}

void MoveableFightable::update() {
    if (attackMoving)
        keepAttackMoving();
    if (getTarget() && isMoving() && isInRange())
        stopWalking();
    if (static_cast<int64_t>(pauseStart) + pauseDuration < gameClock().now()) {
        Moveable::update();
        Fightable::update();
    }
}
