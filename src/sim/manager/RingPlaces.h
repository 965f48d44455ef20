#pragma once

#include "sim/objects/GridPosition.h"

#include <cstddef>

// Where the i-th of a group stands around a point, so that units sent together do not crowd onto
// one spot: the first on the point, then six on a ring `spacing` cells out, twelve on the next,
// and so on, each ring starting to the point's +z side and going round.
GridPosition ringPlace(const GridPosition& centre, std::size_t index, double spacing);
