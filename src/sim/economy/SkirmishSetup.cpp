#include "sim/economy/SkirmishSetup.h"

#include "sim/economy/GameSetup.h"
#include "sim/manager/ObjectManager.h"
#include "sim/manager/RingPlaces.h"
#include "sim/objects/Fighter.h"
#include "sim/objects/TownCenter.h"
#include "sim/objects/Worker.h"

namespace {

// In front of a base centre (its door faces +z), clear of its walls.
constexpr double FrontDistance = 5.0;
constexpr double RallyDistance = 9.0;
constexpr double UnitSpacing = 1.5;

// Where a side's base stands on a map without one.
const GridPosition DefaultBases[] = {{0.0, 0.0}, {40.0, 40.0}, {160.0, 160.0}};

std::shared_ptr<TownCenter> baseOf(int32_t side) {
    for (const auto& object : ObjectManager::getInstance()->getObjects())
        if (auto base = std::dynamic_pointer_cast<TownCenter>(object); base && base->getOwner() == side)
            return base;
    const GridPosition at = DefaultBases[side];
    auto base = std::make_shared<TownCenter>(WorldObjectData{TypeBaseCenter, side, at.x, at.z, nullptr});
    ObjectManager::getInstance()->addObject(base);
    return base;
}

template <typename T>
void placeGroup(int32_t side, WorldObjectType type, int32_t count, const GridPosition& around) {
    for (int32_t i = 0; i < count; ++i) {
        const GridPosition at = ringPlace(around, static_cast<std::size_t>(i), UnitSpacing);
        ObjectManager::getInstance()->addObject(
            std::make_shared<T>(WorldObjectData{type, side, at.x, at.z, nullptr}));
    }
}

} // namespace

void runSkirmishSetup(std::time_t seed, int32_t enemyMarines) {
    beginSetup(seed);
    for (int32_t side : {1, 2}) {
        const std::shared_ptr<TownCenter> base = baseOf(side);
        const GridPosition at = base->getPosition();
        base->setRallyPoint(at.x, at.z + RallyDistance);
        placeGroup<Worker>(side, TypeWorker, SkirmishWorkers, {at.x, at.z + FrontDistance});
    }
    const GridPosition enemy = baseOf(2)->getPosition();
    placeGroup<Fighter>(2, TypeMarine, enemyMarines, {enemy.x, enemy.z + RallyDistance});
}
