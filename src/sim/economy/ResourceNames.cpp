#include "sim/economy/ResourceNames.h"

const ResourceNames& ResourceNames::getInstance() {
    static const ResourceNames names;
    return names;
}

ResourceNames::ResourceNames() : entries{{Metal, "Metal"}, {VermilionOil, "Vermilion Oil"}} {}

const std::string& ResourceNames::nameOf(ResourceType kind) const {
    return entries.at(static_cast<std::size_t>(kind)).second;
}
