#pragma once

#include "sim/manager/ObjectList.h"
#include "sim/manager/SelectedObjects.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class IWorldObject;

// The player's control groups 1 to 9: a selection kept under a number and brought back by it. A
// group holds its members without keeping them alive; the fallen drop out.
class ControlGroups {
public:
    static constexpr int First = 1;
    static constexpr int Last = 9;
    // The same number twice within this long brings the group back and centres the view on it.
    static constexpr uint32_t DoubleTapMilliseconds = 400;

    // Keeps the selection as group `number`, replacing what it held.
    void keep(int number, const SelectedObjects& selection);
    // The group's members still in the game, in the order they were kept.
    ObjectList members(int number) const;
    // Whether this press of `number` at `now` (ms) follows the last one within the double-tap time.
    bool doubleTapped(int number, uint32_t now);

private:
    std::array<std::vector<std::weak_ptr<IWorldObject>>, Last + 1> groups;
    int lastNumber = 0;
    uint32_t lastTap = 0;
};
