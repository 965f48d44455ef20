#pragma once

#include "client/render/Camera.h"
#include "platform/Platform.h"
#include "sim/objects/GridPosition.h"

#include <optional>

// The grid position of the ground under a point of the window (client coordinates, y down), found
// along the ray through it without reading the depth buffer, so any frame can ask: the ray is met
// with the level of the ground where it came down the last time, a few times over. None off the
// window, over the sky or off the map.
std::optional<GridPosition> gridUnder(const Camera& camera, const platform::Point& at);
