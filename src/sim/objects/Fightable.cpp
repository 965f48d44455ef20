#include "sim/objects/Fightable.h"

#include "core/Log.h"
#include "sim/economy/ProjectileInstant.h"
#include "sim/economy/ProjectileSplash.h"
#include "sim/game/GameClock.h"
#include "sim/manager/ObjectManager.h"
#include "sim/objects/IWorldObject.h"
#include "sim/players/PlayerManager.h"

#include <algorithm>

void Fightable::initialise(WorldObjectData& record) {
    object = &record;
    target.reset();
    const Player& owner = PlayerManager::getInstance()->getPlayer(record.owner);
    const auto& whole = owner.getWholeNumbers(record.type);
    const auto& real = owner.getRealNumbers(record.type);
    damage = whole.damage;
    armour = whole.armour;
    range = real.range;
    splashRadius = real.splashRadius;
    hp = whole.hitPoints;
    maxHp = whole.hitPoints;
    attackTimer = {-1, whole.cooldown};
}

void Fightable::stop() {
    disengage();
}

void Fightable::disengage() {
    target.reset();
    attackTimer.restart();
}

void Fightable::takeDamage(int32_t amount) {
    if (!isTargetable())
        return;
    FightableData::takeDamage(amount);
    onDamaged();
}

bool Fightable::setTarget(std::shared_ptr<IWorldObject> candidate) {
    const auto* fightable = dynamic_cast<const Fightable*>(candidate.get());
    if (!fightable || candidate->getOwner() == object->owner || !fightable->isTargetable())
        return false;
    target = std::move(candidate);
    attackTimer.restart();
    scanTimer.restart();
    return true;
}

bool Fightable::isInRange() const {
    return !target || distance2D(object->position(), target->getPosition()) <= getRange();
}

void Fightable::update() {
    if (hp <= 0)
        return;
    if (!target) {
        scanForEnemy();
        return;
    }
    if (target->isDead()) {
        target.reset();
        return;
    }
    if (!isInRange()) {
        onTargetOutOfRange();
        return;
    }
    // The target is kept alive through the step even if a handler lets go of it.
    const std::shared_ptr<IWorldObject> victim = target;
    while (attackTimer.due(gameClock().now()))
        fireAt(*victim);
}

void Fightable::scanForEnemy() {
    scanTimer.interval = engagesOnSight() ? SkirmishScanInterval : ScanInterval;
    if (!scanTimer.due(gameClock().now()))
        return;
    const GridPosition here = object->position();
    std::shared_ptr<IWorldObject> enemy =
        ObjectManager::getInstance()->selectNearestEnemy(object->owner, here);
    if (enemy && distance2D(enemy->getPosition(), here) <= ScanDistance)
        setTarget(std::move(enemy));
}

void Fightable::fireAt(IWorldObject& victim) {
    auto& victimFightable = dynamic_cast<Fightable&>(victim);
    const int32_t dealt = std::max(getDamage() - victimFightable.getArmour(), 1);
    Log << "Attacker(" << static_cast<const void*>(this) << " hp: " << getHp() << ") took " << dealt
        << " damage to (" << static_cast<const void*>(&victimFightable) << " hp:" << victimFightable.getHp()
        << ")" << std::endl;
    onAttack();

    ObjectManager* manager = ObjectManager::getInstance();
    if (getSplashRadius() > 0.0) {
        const GridPosition to = victim.getPosition();
        manager->addProjectile(
            std::make_unique<ProjectileSplash>(dealt, object->x, object->z, to.x, to.z, getSplashRadius()));
    } else {
        manager->addProjectile(std::make_unique<ProjectileInstant>(dealt, object->x, object->z, victim));
    }
    auto* self = dynamic_cast<IWorldObject*>(this);
    manager->objectAttacked(self, &victim);
    victimFightable.answer(*self);
}

void Fightable::answer(IWorldObject& shooter) {
    if (target || hp <= 0 || !engagesOnSight())
        return;
    setTarget(ObjectManager::getInstance()->held(shooter));
}
