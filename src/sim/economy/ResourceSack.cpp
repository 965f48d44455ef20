#include "sim/economy/ResourceSack.h"

#include <algorithm>
#include <sstream>

namespace {

// Takes the excess over the capacity from metal first, then from oil. Amounts are passed wide
// so that an addition past the int32 range is trimmed rather than wrapped.
bool trim(std::array<int64_t, ResourceKindCount>& amounts, int32_t capacity) {
    int64_t excess = amounts[Metal] + amounts[VermilionOil] - capacity;
    if (excess <= 0)
        return true;
    for (int64_t& amount : amounts) {
        const int64_t taken = std::min(excess, amount);
        amount -= taken;
        excess -= taken;
    }
    return false;
}

void store(ResourceSack& sack, const std::array<int64_t, ResourceKindCount>& amounts) {
    for (int kind = 0; kind < ResourceKindCount; ++kind)
        sack.amounts[kind] = static_cast<int32_t>(amounts[kind]);
}

} // namespace

bool ResourceSack::pay(const ResourceSack& cost) {
    for (int kind = 0; kind < ResourceKindCount; ++kind)
        if (amounts[kind] < cost.amounts[kind])
            return false;
    bool result = true;
    for (int kind = 0; kind < ResourceKindCount; ++kind) {
        amounts[kind] -= cost.amounts[kind];
        if (amounts[kind] < 0) {
            amounts[kind] = 0;
            result = false;
        }
    }
    return result;
}

bool moveResources(const ResourceSack& amount, ResourceSack& from, ResourceSack& to) {
    for (int kind = 0; kind < ResourceKindCount; ++kind)
        if (from.amounts[kind] < amount.amounts[kind])
            return false;
    const uint32_t after =
        static_cast<uint32_t>(to.amounts[Metal]) + static_cast<uint32_t>(to.amounts[VermilionOil]) +
        static_cast<uint32_t>(amount.amounts[Metal]) + static_cast<uint32_t>(amount.amounts[VermilionOil]);
    if (after > static_cast<uint32_t>(to.capacity))
        return false;

    bool result = true;
    std::array<int64_t, ResourceKindCount> received{};
    for (int kind = 0; kind < ResourceKindCount; ++kind) {
        from.amounts[kind] -= amount.amounts[kind];
        if (from.amounts[kind] < 0) {
            from.amounts[kind] = 0;
            result = false;
        }
        received[kind] = static_cast<int64_t>(to.amounts[kind]) + amount.amounts[kind];
    }
    if (!trim(received, to.capacity))
        result = false;
    store(to, received);
    return result;
}

bool setCapacity(ResourceSack& sack, int32_t capacity) {
    sack.capacity = capacity;
    std::array<int64_t, ResourceKindCount> amounts{sack.amounts[Metal], sack.amounts[VermilionOil]};
    const bool result = trim(amounts, capacity);
    store(sack, amounts);
    return result;
}

bool isEmpty(const ResourceSack& sack) {
    return sack.amounts[Metal] == 0 && sack.amounts[VermilionOil] == 0;
}

std::string describe(const ResourceSack& sack) {
    std::ostringstream text;
    text << "(" << sack.metal() << "," << sack.oil() << ")";
    return text.str();
}
