#pragma once

#include "sim/objects/GridPosition.h"

#include <cstdint>
#include <memory>
#include <optional>

class IWorldObject;

// The sign that an order on an object was taken: the target's circle blinks three times, red on
// an enemy, green on anything else (a pile to gather, a site to build).
class TargetFlash {
public:
    static constexpr int32_t BlinkMilliseconds = 150; // on, then off, three times

    struct Shown {
        GridPosition at;
        bool enemy = false;
    };

    void mark(const std::shared_ptr<IWorldObject>& target, bool enemy, int32_t now);
    // The circle while it shows at `now`, under the target where it stands then.
    std::optional<Shown> shown(int32_t now) const;
    // In the 3-D view, on the ground, with the selection circle's picture.
    void draw(int32_t now) const;

private:
    std::weak_ptr<IWorldObject> target;
    bool enemy = false;
    std::optional<int32_t> markedAt;
};

extern TargetFlash targetFlash;
