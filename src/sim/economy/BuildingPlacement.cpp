#include "sim/economy/BuildingPlacement.h"

#include "sim/economy/ResourcePile.h"
#include "sim/game/GameMap.h"
#include "sim/manager/ObjectManager.h"
#include "sim/objects/Constructer.h"
#include "sim/objects/Construction.h"

namespace {

// A map-less game (a headless test) plays on the set-up's 200 x 200 cells.
constexpr double PlainMapSide = 200.0;

bool blocks(const IWorldObject& object) {
    return !object.isDead() &&
           (dynamic_cast<const Constructer*>(&object) || dynamic_cast<const Construction*>(&object) ||
            dynamic_cast<const ResourcePile*>(&object));
}

} // namespace

bool isBuildable(WorldObjectType type) {
    return type == TypeBarracks;
}

std::optional<std::string> placementRefusal(WorldObjectType type, double x, double z) {
    if (!isBuildable(type))
        return std::string("That cannot be built");
    const World& map = gameMap();
    const double columns = map.columns > 0 ? map.columns : PlainMapSide;
    const double rows = map.rows > 0 ? map.rows : PlainMapSide;
    if (!(x >= MapEdgeClearance && x <= columns - MapEdgeClearance && z >= MapEdgeClearance &&
          z <= rows - MapEdgeClearance))
        return std::string("Can't build there: too near the map's edge");
    const GridPosition at{x, z};
    for (const auto& object : ObjectManager::getInstance()->getObjects())
        if (blocks(*object) && distance2D(object->getPosition(), at) < BuildingClearance)
            return "Can't build there: it overlaps " + object->getName();
    return std::nullopt;
}
