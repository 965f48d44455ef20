#include "sim/objects/ObjectFactory.h"

#include "core/Log.h"
#include "sim/objects/Barracks.h"
#include "sim/objects/Fighter.h"
#include "sim/objects/MetalPile.h"
#include "sim/objects/OilPile.h"
#include "sim/objects/OilRafinery.h"
#include "sim/objects/Scout.h"
#include "sim/objects/TownCenter.h"
#include "sim/objects/Worker.h"

std::unique_ptr<IWorldObject> ObjectFactory::createObject(WorldObjectType type, int32_t owner, double x,
                                                          double z) {
    WorldObjectData record{type, owner, x, z, nullptr};
    switch (type) {
    case TypeMarine:
        return std::make_unique<Fighter>(std::move(record));
    case TypeScout:
        return std::make_unique<Scout>(std::move(record));
    case TypeBarracks:
        return std::make_unique<Barracks>(std::move(record));
    case TypeMetalPile:
        return std::make_unique<MetalPile>(std::move(record));
    case TypeOilPile:
        return std::make_unique<OilPile>(std::move(record));
    case TypeOilRafinery:
        return std::make_unique<OilRafinery>(std::move(record));
    case TypeWorker:
        return std::make_unique<Worker>(std::move(record));
    case TypeBaseCenter:
        return std::make_unique<TownCenter>(std::move(record));
    default:
        Log << "WorldObjectType " << type << " not found in ObjectFactory::createObject\n";
        return nullptr;
    }
}
