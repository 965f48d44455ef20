#include "sim/manager/RingPlaces.h"

#include <cmath>
#include <numbers>

GridPosition ringPlace(const GridPosition& centre, std::size_t index, double spacing) {
    if (index == 0)
        return centre;
    std::size_t ring = 1;
    std::size_t first = 1; // the index of the ring's first place
    while (index >= first + 6 * ring) {
        first += 6 * ring;
        ++ring;
    }
    const double angle =
        2.0 * std::numbers::pi * static_cast<double>(index - first) / static_cast<double>(6 * ring);
    const double radius = spacing * static_cast<double>(ring);
    return {centre.x + radius * std::sin(angle), centre.z + radius * std::cos(angle)};
}
