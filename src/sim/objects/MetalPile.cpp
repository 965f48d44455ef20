#include "sim/objects/MetalPile.h"

#include "sim/game/Game.h"

MetalPile::MetalPile(WorldObjectData record) : IWorldObject(std::move(record)) {
    const int32_t metal = Game::skirmish() ? SkirmishMetal : StartingMetal;
    ResourcePile::attach(data, Metal, {metal, metal, 0});
}
