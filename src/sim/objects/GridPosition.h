#pragma once

#include <cmath>

// A position on the map in cells: x counts columns, z counts rows.
struct GridPosition {
    double x = 0.0;
    double z = 0.0;
};

// Distance over the map position; heights play no part.
inline double distance2D(const GridPosition& a, const GridPosition& b) {
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.z - b.z) * (a.z - b.z));
}
