#pragma once

#include "sim/economy/ResourceType.h"

#include <array>
#include <cstdint>
#include <limits>
#include <string>

constexpr int32_t UnlimitedCapacity = std::numeric_limits<int32_t>::max();

// A store of resources: a capacity over the sum of both kinds and one amount per kind.
class ResourceSack {
public:
    ResourceSack() = default;
    ResourceSack(int32_t capacity, int32_t metal, int32_t oil) : capacity(capacity), amounts{metal, oil} {}
    virtual ~ResourceSack() = default;
    ResourceSack(const ResourceSack&) = default;
    ResourceSack& operator=(const ResourceSack&) = default;

    // Takes the cost out if this sack holds enough of each kind; otherwise changes nothing.
    virtual bool pay(const ResourceSack& cost);

    int32_t metal() const { return amounts[Metal]; }
    int32_t oil() const { return amounts[VermilionOil]; }
    int32_t total() const { return amounts[Metal] + amounts[VermilionOil]; }

    int32_t capacity = UnlimitedCapacity;
    std::array<int32_t, ResourceKindCount> amounts{};
};

// Moves `amount` from one sack into another if `from` holds it and `to` has room for it (the room
// tested as unsigned 32-bit). False when refused (nothing changes) or when something was clamped
// or trimmed on the way.
bool moveResources(const ResourceSack& amount, ResourceSack& from, ResourceSack& to);

// Sets the capacity and trims the contents to it, metal first. False when something was lost.
bool setCapacity(ResourceSack& sack, int32_t capacity);

bool isEmpty(const ResourceSack& sack);

// "(metal,oil)".
std::string describe(const ResourceSack& sack);
