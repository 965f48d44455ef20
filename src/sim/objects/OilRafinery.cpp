#include "sim/objects/OilRafinery.h"

OilRafinery::OilRafinery(WorldObjectData record) : IWorldObject(std::move(record)) {
    ResourceGatherer::attach(data, GatherInterval);
    ResourceReceiverType<VermilionOil>::attach(data);
}
