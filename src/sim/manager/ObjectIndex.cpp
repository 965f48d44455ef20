#include "sim/manager/ObjectIndex.h"

#include "sim/economy/ResourceReceiverType.h"
#include "sim/objects/Construction.h"
#include "sim/objects/Fightable.h"
#include "sim/objects/IWorldObject.h"
#include "sim/objects/MetalPile.h"
#include "sim/objects/OilPile.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::size_t FirstCellCount = std::size_t{ObjectIndex::FirstSide} * ObjectIndex::FirstSide;
// Distances are computed in floating point and cells found by dividing positions, so a ring's
// bound is trusted only this far inside it.
constexpr double RingSlack = 1e-6;

bool isFinite(const GridPosition& position) {
    return std::isfinite(position.x) && std::isfinite(position.z);
}

// The grid index of a coordinate already divided into cells; anything outside goes to an edge.
int32_t clampedIndex(double cells, int32_t count) {
    if (!(cells >= 0.0))
        return 0;
    if (cells >= count)
        return count - 1;
    return static_cast<int32_t>(cells);
}

bool isAlive(const IndexEntry& entry) {
    return !entry.object->isDead();
}

} // namespace

ObjectIndex::ObjectIndex()
    : everything(FirstCellCount), piles{GridLayer(FirstCellCount), GridLayer(FirstCellCount)},
      sites(FirstCellCount) {}

ObjectIndex::~ObjectIndex() {
    for (auto& [object, entry] : entries)
        entry->object->setPositionWatcher(nullptr);
}

void ObjectIndex::add(const std::shared_ptr<IWorldObject>& object) {
    if (entries.contains(object.get()))
        return;
    auto held = std::make_unique<IndexEntry>(*this, object, nextOrder++);
    IndexEntry& entry = *held;
    entries.emplace(object.get(), std::move(held));
    if (isFinite(entry.position))
        cover(entry.position);
    else
        ++unplaced;
    entry.cell = cellOf(entry.position);

    IWorldObject* raw = object.get();
    entry.fightable = dynamic_cast<const Fightable*>(raw);
    join(entry, everything);
    if (entry.fightable)
        join(entry, layerOf(fighters, object->getOwner()));
    if (dynamic_cast<ResourceReceiverType<Metal>*>(raw))
        join(entry, layerOf(receivers, std::pair{Metal, object->getOwner()}));
    if (dynamic_cast<ResourceReceiverType<VermilionOil>*>(raw))
        join(entry, layerOf(receivers, std::pair{VermilionOil, object->getOwner()}));
    if (dynamic_cast<MetalPile*>(raw))
        join(entry, piles[Metal]);
    if (dynamic_cast<OilPile*>(raw))
        join(entry, piles[VermilionOil]);
    if (dynamic_cast<Construction*>(raw))
        join(entry, sites);
    object->setPositionWatcher(&entry);
}

void ObjectIndex::join(IndexEntry& entry, GridLayer& layer) {
    layer.insert(entry);
    entry.layers.push_back(&layer);
}

template <typename Key> GridLayer& ObjectIndex::layerOf(std::map<Key, GridLayer>& layers, const Key& key) {
    auto found = layers.find(key);
    if (found == layers.end())
        found = layers.emplace(key, GridLayer(std::size_t(columns) * rows)).first;
    return found->second;
}

std::shared_ptr<IWorldObject> ObjectIndex::find(const IWorldObject& object) const {
    const auto found = entries.find(&object);
    return found == entries.end() ? nullptr : found->second->object;
}

void ObjectIndex::remove(const IWorldObject& object) {
    const auto found = entries.find(&object);
    if (found == entries.end())
        return;
    IndexEntry& entry = *found->second;
    for (GridLayer* layer : entry.layers)
        layer->erase(entry);
    if (!isFinite(entry.position))
        --unplaced;
    entry.object->setPositionWatcher(nullptr);
    entries.erase(found);
}

void ObjectIndex::moved(IndexEntry& entry, double x, double z) {
    const GridPosition position{x, z};
    unplaced += !isFinite(position);
    unplaced -= !isFinite(entry.position);
    entry.position = position;
    if (isFinite(position))
        cover(position);
    const int32_t cell = cellOf(position);
    if (cell == entry.cell)
        return;
    for (GridLayer* layer : entry.layers)
        layer->changeCell(entry, cell);
    entry.cell = cell;
}

int32_t ObjectIndex::columnOf(double x) const {
    return clampedIndex(std::floor((x - originX) / CellSpan), columns);
}

int32_t ObjectIndex::rowOf(double z) const {
    return clampedIndex(std::floor((z - originZ) / CellSpan), rows);
}

int32_t ObjectIndex::cellOf(const GridPosition& position) const {
    return rowOf(position.z) * columns + columnOf(position.x);
}

namespace {

// One axis of the grid widened to take `value`: at least doubled, at most `largest` cells.
void widen(double value, double& origin, int32_t& count, int32_t largest) {
    const double end = origin + count * ObjectIndex::CellSpan;
    if ((value >= origin && value < end) || count >= largest)
        return;
    const double needed = value < origin ? end - value : value - origin;
    const int32_t wanted =
        static_cast<int32_t>(std::min<double>(largest, std::ceil(needed / ObjectIndex::CellSpan) + 1));
    const int32_t grown = std::min(largest, std::max(count * 2, wanted));
    if (value < origin)
        origin = end - grown * ObjectIndex::CellSpan;
    count = grown;
}

} // namespace

void ObjectIndex::cover(const GridPosition& position) {
    const int32_t oldColumns = columns;
    const int32_t oldRows = rows;
    const double oldX = originX;
    const double oldZ = originZ;
    widen(position.x, originX, columns, MostCells / rows);
    widen(position.z, originZ, rows, MostCells / columns);
    if (columns == oldColumns && rows == oldRows && originX == oldX && originZ == oldZ)
        return;
    for (auto& [object, entry] : entries)
        entry->cell = cellOf(entry->position);
    const std::size_t cellCount = std::size_t(columns) * rows;
    everything.refile(cellCount);
    for (auto& [owner, layer] : fighters)
        layer.refile(cellCount);
    for (auto& [kindAndOwner, layer] : receivers)
        layer.refile(cellCount);
    for (GridLayer& layer : piles)
        layer.refile(cellCount);
    sites.refile(cellCount);
}

bool ObjectIndex::answers(const GridPosition& position) const {
    return unplaced == 0 && isFinite(position);
}

bool ObjectIndex::Candidate::beats(const Candidate& other) const {
    return !other.entry || distance < other.distance ||
           (distance == other.distance && entry->order < other.entry->order);
}

template <typename Visit>
void ObjectIndex::visitRing(int32_t column, int32_t row, int32_t ring, Visit visit) const {
    const int32_t left = column - ring;
    const int32_t right = column + ring;
    for (int32_t r = std::max(row - ring, 0); r <= std::min(row + ring, rows - 1); ++r) {
        if (r == row - ring || r == row + ring) {
            for (int32_t c = std::max(left, 0); c <= std::min(right, columns - 1); ++c)
                visit(r * columns + c);
            continue;
        }
        if (left >= 0)
            visit(r * columns + left);
        if (right < columns)
            visit(r * columns + right);
    }
}

template <typename Keep>
ObjectIndex::Candidate ObjectIndex::nearest(const GridLayer& layer, const GridPosition& position,
                                            Keep keep) const {
    Candidate best;
    const auto consider = [&](const IndexEntry* entry) {
        if (!keep(*entry))
            return;
        const Candidate candidate{entry, distance2D(entry->position, position)};
        if (candidate.beats(best))
            best = candidate;
    };
    if (layer.getMembers().size() <= SmallLayer) {
        for (const IndexEntry* entry : layer.getMembers())
            consider(entry);
        return best;
    }
    const int32_t column = columnOf(position.x);
    const int32_t row = rowOf(position.z);
    const int32_t lastRing = std::max({column, columns - 1 - column, row, rows - 1 - row});
    for (int32_t ring = 0; ring <= lastRing; ++ring) {
        visitRing(column, row, ring, [&](int32_t cell) {
            for (const IndexEntry* entry : layer.cell(cell))
                consider(entry);
        });
        // Whatever stands beyond this ring is farther than ring * CellSpan.
        if (best.entry && best.distance < ring * CellSpan - RingSlack)
            break;
    }
    return best;
}

std::unique_ptr<ObjectList> ObjectIndex::inRadius(const GridPosition& centre, double radius) const {
    std::vector<const IndexEntry*> found;
    // One cell more on every side, for positions a rounding away from the circle's box.
    const int32_t left = std::max(columnOf(centre.x - radius) - 1, 0);
    const int32_t right = std::min(columnOf(centre.x + radius) + 1, columns - 1);
    const int32_t top = std::max(rowOf(centre.z - radius) - 1, 0);
    const int32_t bottom = std::min(rowOf(centre.z + radius) + 1, rows - 1);
    for (int32_t row = top; row <= bottom; ++row)
        for (int32_t column = left; column <= right; ++column)
            for (const IndexEntry* entry : everything.cell(row * columns + column))
                if (isAlive(*entry) && distance2D(entry->position, centre) < radius)
                    found.push_back(entry);
    std::sort(found.begin(), found.end(),
              [](const IndexEntry* a, const IndexEntry* b) { return a->order < b->order; });
    auto result = std::make_unique<ObjectList>();
    for (const IndexEntry* entry : found)
        result->push_back(entry->object);
    return result;
}

std::shared_ptr<IWorldObject> ObjectIndex::nearestEnemy(int32_t owner, const GridPosition& position) const {
    Candidate best;
    for (const auto& [fightersOwner, layer] : fighters) {
        if (fightersOwner == owner)
            continue;
        const Candidate candidate = nearest(layer, position, [](const IndexEntry& entry) {
            return isAlive(entry) && entry.fightable->isTargetable();
        });
        if (candidate.entry && candidate.beats(best))
            best = candidate;
    }
    return best.entry ? best.entry->object : nullptr;
}

namespace {

std::shared_ptr<IWorldObject> objectOf(const IndexEntry* entry) {
    return entry ? entry->object : nullptr;
}

} // namespace

std::shared_ptr<IWorldObject> ObjectIndex::nearestReceiver(ResourceType kind, int32_t owner,
                                                           const GridPosition& position) const {
    const auto found = receivers.find({kind, owner});
    return found == receivers.end() ? nullptr : objectOf(nearest(found->second, position, isAlive).entry);
}

std::shared_ptr<IWorldObject> ObjectIndex::nearestPile(ResourceType kind,
                                                       const GridPosition& position) const {
    return objectOf(nearest(piles[kind], position, isAlive).entry);
}

std::shared_ptr<IWorldObject> ObjectIndex::nearestSite(const GridPosition& position) const {
    return objectOf(nearest(sites, position, isAlive).entry);
}
