#include "app/ControlGroups.h"

#include "sim/objects/IWorldObject.h"

namespace {

bool isGroup(int number) {
    return number >= ControlGroups::First && number <= ControlGroups::Last;
}

} // namespace

void ControlGroups::keep(int number, const SelectedObjects& selection) {
    if (!isGroup(number))
        return;
    std::vector<std::weak_ptr<IWorldObject>>& group = groups[static_cast<std::size_t>(number)];
    group.clear();
    for (const auto& object : selection.getEntries())
        if (!object->isDead())
            group.push_back(object);
}

ObjectList ControlGroups::members(int number) const {
    ObjectList alive;
    if (!isGroup(number))
        return alive;
    for (const auto& member : groups[static_cast<std::size_t>(number)])
        if (const std::shared_ptr<IWorldObject> object = member.lock(); object && !object->isDead())
            alive.push_back(object);
    return alive;
}

bool ControlGroups::doubleTapped(int number, uint32_t now) {
    const bool again = number == lastNumber && now - lastTap <= DoubleTapMilliseconds;
    lastNumber = again ? 0 : number; // a third tap starts over
    lastTap = now;
    return again;
}
