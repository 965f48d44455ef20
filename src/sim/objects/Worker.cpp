#include "sim/objects/Worker.h"

#include "sim/game/Game.h"
#include "sim/objects/Construction.h"
#include "sim/objects/MetalPile.h"
#include "sim/objects/OilPile.h"
#include "sim/objects/TownCenter.h"

Worker::Worker(WorldObjectData record) : IWorldObject(std::move(record)) {
    ResourceCarier::attach(data, GatherInterval);
    MoveableBuilder::attach(data, BuildInterval);
    MoveableFightable::attach(data);
}

void Worker::stop() {
    endAttackMove();
    carrierLegs().stopWalking();
    builderLegs().stopWalking();
    fighterLegs().stopWalking();
    disengage();
    leaveSite();
    ResourceCarier::stop();
}

bool Worker::isIdle() const {
    const auto& carrier = static_cast<const ResourceCarier&>(*this);
    const auto& builder = static_cast<const MoveableBuilder&>(*this);
    const auto& fighter = static_cast<const MoveableFightable&>(*this);
    return !carrier.isMoving() && !builder.isMoving() && !fighter.isMoving() && !carrier.getTarget() &&
           !builder.getSite() && !fighter.getTarget();
}

void Worker::update() {
    carrierLegs().update();
    if (!carrierLegs().isMoving())
        gatheringStep();
    builderLegs().update();
    if (!builderLegs().isMoving())
        Builder::update();
    MoveableFightable::update();
}

void Worker::onRemove() {
    dropPile();
    leaveSite();
    dropTarget();
}

void Worker::moveTo(double x, double z) {
    stop();
    fighterLegs().moveTo(x, z);
}

void Worker::actOn(std::shared_ptr<IWorldObject> object) {
    if (!object)
        return;
    stop();
    if (dynamic_cast<MetalPile*>(object.get()) ||
        (Game::skirmish() && dynamic_cast<OilPile*>(object.get()))) {
        gatherFrom(std::move(object));
        return;
    }
    if (dynamic_cast<Construction*>(object.get())) {
        buildAt(std::move(object));
        return;
    }
    const auto* townCenter = dynamic_cast<TownCenter*>(object.get());
    if (townCenter && townCenter->getOwner() == getOwner()) {
        transfer(std::move(object));
        return;
    }
    if (dynamic_cast<Fightable*>(object.get())) {
        setTarget(std::move(object));
        return;
    }
    const GridPosition position = object->getPosition();
    moveTo(position.x, position.z);
}

void Worker::attackMoveTo(double x, double z) {
    stop();
    startAttackMove(x, z);
}
