#pragma once

#include "sim/economy/ResourceType.h"
#include "sim/manager/GridLayer.h"
#include "sim/manager/IndexEntry.h"
#include "sim/manager/ObjectList.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <unordered_map>
#include <utility>

// The object manager's index over its list, kept as objects are added, move and are removed:
// a uniform grid over the ground the objects stand on, and a layer of members for each kind a
// query asks for (every object, each owner's fightables and receivers of each resource, the
// piles of each resource, building sites). Every answer is the plain walk's: dead entries are skipped at the
// time of asking, and of equal distances the object earlier in the list wins.
class ObjectIndex {
public:
    // Grid cells are this many map cells wide; the grid starts this many grid cells a side and
    // grows with the objects up to the most cells, past which its edge cells hold the rest.
    static constexpr double CellSpan = 8.0;
    static constexpr int32_t FirstSide = 32;
    static constexpr int32_t MostCells = 1 << 16;
    // A layer this small is walked whole rather than searched ring by ring.
    static constexpr std::size_t SmallLayer = 24;

    ObjectIndex();
    // The world's own pointer to the object, or null when it is not in the world.
    std::shared_ptr<IWorldObject> find(const IWorldObject& object) const;

    // Stops telling the objects' moves to entries that go with the index.
    ~ObjectIndex();
    ObjectIndex(const ObjectIndex&) = delete;
    ObjectIndex& operator=(const ObjectIndex&) = delete;

    // Objects enter in the order of the list; an object already held is ignored.
    void add(const std::shared_ptr<IWorldObject>& object);
    void remove(const IWorldObject& object);
    void moved(IndexEntry& entry, double x, double z);

    // False while a position somewhere is not a finite number: the plain walk then answers,
    // since the nearest of such positions follows no distance order.
    bool answers(const GridPosition& position) const;

    std::unique_ptr<ObjectList> inRadius(const GridPosition& centre, double radius) const;
    std::shared_ptr<IWorldObject> nearestEnemy(int32_t owner, const GridPosition& position) const;
    std::shared_ptr<IWorldObject> nearestReceiver(ResourceType kind, int32_t owner,
                                                  const GridPosition& position) const;
    std::shared_ptr<IWorldObject> nearestPile(ResourceType kind, const GridPosition& position) const;
    std::shared_ptr<IWorldObject> nearestSite(const GridPosition& position) const;

private:
    struct Candidate {
        const IndexEntry* entry = nullptr;
        double distance = 0.0;
        bool beats(const Candidate& other) const;
    };

    template <typename Keep>
    Candidate nearest(const GridLayer& layer, const GridPosition& position, Keep keep) const;
    template <typename Visit> void visitRing(int32_t column, int32_t row, int32_t ring, Visit visit) const;

    void join(IndexEntry& entry, GridLayer& layer);
    // The layer under the key, made on first use with the grid's cells.
    template <typename Key> GridLayer& layerOf(std::map<Key, GridLayer>& layers, const Key& key);
    int32_t columnOf(double x) const;
    int32_t rowOf(double z) const;
    int32_t cellOf(const GridPosition& position) const;
    // Widens the grid toward a position outside it and files every member again.
    void cover(const GridPosition& position);

    double originX = 0.0;
    double originZ = 0.0;
    int32_t columns = FirstSide;
    int32_t rows = FirstSide;
    uint64_t nextOrder = 0;
    std::size_t unplaced = 0; // entries whose position is not a finite number

    std::unordered_map<const IWorldObject*, std::unique_ptr<IndexEntry>> entries;
    GridLayer everything;
    std::map<int32_t, GridLayer> fighters;                           // by owner
    std::map<std::pair<ResourceType, int32_t>, GridLayer> receivers; // by kind and owner
    std::array<GridLayer, ResourceKindCount> piles;
    GridLayer sites;
};
