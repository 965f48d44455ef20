#include "sim/objects/OilPile.h"

OilPile::OilPile(WorldObjectData record) : IWorldObject(std::move(record)) {
    ResourcePile::attach(data, VermilionOil, {StartingOil, 0, StartingOil});
}
