#pragma once

#include "sim/economy/ResourceSack.h"
#include "sim/objects/WorldObjectType.h"

// What training or building an object of the type costs.
ResourceSack priceOf(WorldObjectType type);
