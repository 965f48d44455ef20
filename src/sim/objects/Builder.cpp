#include "sim/objects/Builder.h"

#include "sim/game/GameClock.h"
#include "sim/manager/ObjectManager.h"
#include "sim/objects/Construction.h"

void Builder::attach(WorldObjectData& record, int32_t buildInterval) {
    object = &record;
    buildTimer.interval = buildInterval;
}

void Builder::stop() {
    leaveSite();
}

void Builder::leaveSite() {
    buildTimer.restart();
    site.reset();
}

bool Builder::buildAt(std::shared_ptr<IWorldObject> candidate) {
    if (!dynamic_cast<Construction*>(candidate.get()))
        return false;
    stop();
    site = std::move(candidate);
    return true;
}

void Builder::update() {
    if (!site)
        return;
    if (site->isDead()) {
        site.reset();
        moveToNearestSite();
        return;
    }
    if (distance2D(object->position(), site->getPosition()) > Reach) {
        onSiteOutOfReach();
        return;
    }
    auto& construction = dynamic_cast<Construction&>(*site);
    while (buildTimer.due(gameClock().now()))
        construction.workStep();
}

void Builder::moveToNearestSite() {
    std::shared_ptr<IWorldObject> nearest =
        ObjectManager::getInstance()->selectNearestConstruction(object->position());
    if (nearest)
        buildAt(std::move(nearest));
}
