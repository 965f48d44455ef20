#include "sim/manager/SelectedObjects.h"

#include "sim/objects/IWorldObject.h"

#include <algorithm>

SelectedObjects::SelectedObjects(int32_t capacity) : capacity(std::max(capacity, 0)) {
    entries.reserve(static_cast<std::size_t>(this->capacity));
}

bool SelectedObjects::add(std::shared_ptr<IWorldObject> object) {
    if (!object)
        return false;
    if (full() && removeDead() == 0)
        return false;
    entries.push_back(std::move(object));
    return true;
}

bool SelectedObjects::removeAt(std::size_t index) {
    if (index >= entries.size())
        return false;
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

int SelectedObjects::removeDead() {
    int removed = 0;
    for (std::size_t i = entries.size(); i-- > 0;) {
        if (entries[i]->isDead()) {
            removeAt(i);
            ++removed;
        }
    }
    return removed;
}

std::shared_ptr<IWorldObject> SelectedObjects::get(std::size_t index) {
    if (index >= entries.size())
        return nullptr;
    if (entries[index]->isDead()) {
        removeAt(index);
        return nullptr;
    }
    return entries[index];
}

std::shared_ptr<IWorldObject> SelectedObjects::takeFirst() {
    if (entries.empty())
        return nullptr;
    std::shared_ptr<IWorldObject> first = std::move(entries.front());
    entries.erase(entries.begin());
    return first->isDead() ? nullptr : first;
}
