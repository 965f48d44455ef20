#include "sim/objects/MetalPile.h"

MetalPile::MetalPile(WorldObjectData record) : IWorldObject(std::move(record)) {
    ResourcePile::attach(data, Metal, {StartingMetal, StartingMetal, 0});
}
