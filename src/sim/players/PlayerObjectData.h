#pragma once

#include "sim/objects/WorldObjectType.h"

#include <array>
#include <cstdint>
#include <string>

// A player's per-type unit parameters and display names, indexed by WorldObjectType 0 to 10.
// Out-of-range types throw std::out_of_range.
class PlayerObjectData {
public:
    struct WholeNumbers {
        int32_t hitPoints = 0; // starting and maximum
        int32_t damage = 0;
        int32_t armour = 0;
        int32_t cooldown = 0; // ms
        int32_t unused = 0;
    };
    struct RealNumbers {
        double speed = 0.0;        // grid units per ms
        double range = 0.0;        // grid units
        double splashRadius = 0.0; // grid units; 0 hits only the target
    };

    PlayerObjectData();

    const WholeNumbers& getWholeNumbers(WorldObjectType type) const;
    const RealNumbers& getRealNumbers(WorldObjectType type) const;
    const std::string& getTypeName(WorldObjectType type) const;

private:
    std::array<WholeNumbers, WorldObjectTypeCount> wholeNumbers{};
    std::array<RealNumbers, WorldObjectTypeCount> realNumbers{};
    std::array<std::string, WorldObjectTypeCount> typeNames;
};
