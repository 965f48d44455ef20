#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class IWorldObject;

// A bounded list of world objects in insertion order: a player's selection or a training queue.
class SelectedObjects {
public:
    explicit SelectedObjects(int32_t capacity);
    virtual ~SelectedObjects() = default;
    SelectedObjects(const SelectedObjects&) = default;
    SelectedObjects& operator=(const SelectedObjects&) = default;

    // Appends; a full list first drops its dead entries. False when there is still no room (or
    // for a null object).
    bool add(std::shared_ptr<IWorldObject> object);
    bool removeAt(std::size_t index);
    // Drops every dead entry; returns how many.
    int removeDead();
    void clear() { entries.clear(); }
    // The entry, or null past the end; a dead entry is dropped and gives null.
    std::shared_ptr<IWorldObject> get(std::size_t index);
    // Takes the first entry out; a dead one is dropped and gives null.
    std::shared_ptr<IWorldObject> takeFirst();

    std::size_t size() const { return entries.size(); }
    bool empty() const { return entries.empty(); }
    bool full() const { return entries.size() >= static_cast<std::size_t>(capacity); }
    // The entries as they stand, dead ones included.
    const std::vector<std::shared_ptr<IWorldObject>>& getEntries() const { return entries; }

private:
    int32_t capacity;
    std::vector<std::shared_ptr<IWorldObject>> entries;
};
