#pragma once

#include "sim/economy/ResourceType.h"

#include <string>
#include <utility>
#include <vector>

// The display names of the resource kinds, in kind order.
class ResourceNames {
public:
    static const ResourceNames& getInstance();

    // Kinds 0 and 1 only; anything else throws std::out_of_range.
    const std::string& nameOf(ResourceType kind) const;

private:
    ResourceNames();

    std::vector<std::pair<ResourceType, std::string>> entries;
};

inline const std::string& getResourceName(ResourceType kind) {
    return ResourceNames::getInstance().nameOf(kind);
}
