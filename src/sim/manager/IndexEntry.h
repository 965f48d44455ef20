#pragma once

#include "sim/objects/GridPosition.h"
#include "sim/objects/PositionWatcher.h"

#include <cstdint>
#include <memory>
#include <vector>

class Fightable;
class GridLayer;
class IWorldObject;
class ObjectIndex;

// One object as the index keeps it: its place in the list order, its last position, its grid
// cell, the layers it belongs to and its abilities, found once when it entered the world.
class IndexEntry final : public PositionWatcher {
public:
    IndexEntry(ObjectIndex& index, std::shared_ptr<IWorldObject> object, uint64_t order);

    void positionChanged(double x, double z) override;

    ObjectIndex& index;
    std::shared_ptr<IWorldObject> object;
    uint64_t order; // lower entered the list earlier
    GridPosition position;
    int32_t cell = 0;
    const Fightable* fightable = nullptr;
    std::vector<GridLayer*> layers;
};
