#pragma once

#include <cstdint>

// A resource kind, also the index into every sack's amounts. Any other value means "none".
using ResourceType = int32_t;

constexpr ResourceType Metal = 0;
constexpr ResourceType VermilionOil = 1;
constexpr ResourceType NoResource = 2; // a gatherer whose gathering has ended for good

constexpr int ResourceKindCount = 2;

inline bool isResourceKind(int32_t kind) {
    return kind == Metal || kind == VermilionOil;
}
