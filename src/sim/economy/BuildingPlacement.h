#pragma once

#include "sim/objects/WorldObjectType.h"

#include <optional>
#include <string>

// Where a side may put a new building: inside the map, clear of its edge, and clear of every
// building, site and pile already standing (units step aside). The types a Worker can build.
constexpr double BuildingClearance = 5.0; // cells between two buildings' centres, at least
constexpr double MapEdgeClearance = 3.0;

bool isBuildable(WorldObjectType type);

// Why the building cannot stand at (x, z), said as a player's message, or nothing when it can.
std::optional<std::string> placementRefusal(WorldObjectType type, double x, double z);
