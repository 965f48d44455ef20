#pragma once

#include "economy/ResourceSack.h"
#include "objects/WorldObjectType.h"

// What training or building an object of the type costs.
ResourceSack priceOf(WorldObjectType type);
