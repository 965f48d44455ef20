#include "sim/players/PlayerObjectData.h"

#include <limits>

PlayerObjectData::PlayerObjectData()
    : typeNames{"Marine",      "Scout",  "Barracks",   "Construction", "MetalPile", "OilPile",
                "OilRafinery", "Worker", "BaseCenter", "Marine",       ""} {
    wholeNumbers[TypeMarine] = {60, 5, 0, 300, 0};
    wholeNumbers[TypeScout] = {0, 1, 0, 6000, 0};
    wholeNumbers[TypeBarracks] = {500, 0, 0, 0, 0};
    // A site's hit points are the work it needs; it neither hurts nor ever fires.
    wholeNumbers[TypeConstruction] = {500, 0, 0, std::numeric_limits<int32_t>::max(), 0};
    wholeNumbers[TypeOilRafinery] = {1200, 0, 1, 0, 0};
    wholeNumbers[TypeWorker] = {40, 3, 0, 2000, 0};
    wholeNumbers[TypeBaseCenter] = {2400, 3, 0, 2000, 0};

    realNumbers[TypeMarine] = {0.006, 20.0, 0.0};
    realNumbers[TypeScout] = {0.005, 20.0, 0.0};
    realNumbers[TypeBarracks] = {0.0, 20.0, 0.0};
    realNumbers[TypeOilRafinery] = {0.0, 20.0, 0.0};
    realNumbers[TypeWorker] = {0.02, 20.0, 50.0};
    realNumbers[TypeBaseCenter] = {0.0, 20.0, 0.0};
}

const PlayerObjectData::WholeNumbers& PlayerObjectData::getWholeNumbers(WorldObjectType type) const {
    return wholeNumbers.at(static_cast<std::size_t>(type));
}

const PlayerObjectData::RealNumbers& PlayerObjectData::getRealNumbers(WorldObjectType type) const {
    return realNumbers.at(static_cast<std::size_t>(type));
}

const std::string& PlayerObjectData::getTypeName(WorldObjectType type) const {
    return typeNames.at(static_cast<std::size_t>(type));
}
