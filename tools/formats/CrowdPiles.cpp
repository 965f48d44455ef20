#include "formats/CrowdPiles.h"

#include <cmath>

namespace {

constexpr int32_t RowsPastBase = 3;

} // namespace

void addCrowdPiles(WorldFile& map, int count) {
    const int side = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count))));
    const MapBaseCentre base = map.baseCentres[0];
    for (int i = 0; i < count; ++i) {
        const int32_t z = base.z + RowsPastBase + i / side - side / 2;
        const int32_t x = base.x + i % side - side / 2;
        map.metalPiles.push_back({z, x, 0});
    }
}
