#include "sim/objects/Construction.h"

#include "sim/manager/ObjectManager.h"
#include "sim/objects/Presentation.h"

#include <algorithm>

namespace {

WorldObjectData siteRecord(const IWorldObject& building) {
    const GridPosition position = building.getPosition();
    return {TypeConstruction, building.getOwner(), position.x, position.z, nullptr};
}

} // namespace

Construction::Construction(std::unique_ptr<IWorldObject> building)
    : IWorldObject(siteRecord(*building)), building(std::move(building)) {
    initialise(data);
    hp = 1;
    // The site shows the building's own model in its owner's colour.
    useModelOf(this->building->getType());
}

bool Construction::isDead() const {
    return !building || hp < 1;
}

void Construction::update() {
    Fightable::update();
}

void Construction::onRemove() {
    dropTarget();
}

void Construction::render() {
    if (!data.model || maxHp <= 0)
        return;
    presentation().drawRising(*data.model, data.x, data.z, static_cast<double>(progress) / maxHp);
}

std::string Construction::getName() const {
    return building ? building->getName() + " (Construction)" : "Construction";
}

std::string Construction::getState() const {
    const std::string buildingName = building ? building->getName() : "";
    const auto percent = maxHp > 0 ? static_cast<int>(static_cast<double>(progress) / maxHp * 100.0) : 0;
    return "Construction of (" + buildingName + ") : " + std::to_string(percent);
}

void Construction::workStep() {
    if (isDead())
        return;
    progress = std::min(progress + WorkPerStep, maxHp);
    hp = std::min(hp + WorkPerStep, maxHp);
    if (progress < maxHp)
        return;
    const int32_t finishedHp = getHp();
    std::shared_ptr<IWorldObject> finished = ObjectManager::getInstance()->addObject(std::move(building));
    if (auto* fightable = dynamic_cast<Fightable*>(finished.get()))
        fightable->setHp(finishedHp);
}
