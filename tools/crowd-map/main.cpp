// orvalen-crowd-map IN.ktqw OUT.ktqw COUNT: writes a copy of the map with COUNT more metal piles on
// a square grid, one cell apart, around player 1's base centre; the start view looks a little
// beyond the base, so the grid is centred a few rows past it and all of it shows.
// Piles are drawn like every other model, so the copy measures the frame rate of a crowded view
// without changing the game.
#include "files/WorldFile.h"
#include "formats/MapWriter.h"

#include <cmath>
#include <fstream>
#include <iostream>
#include <string>

namespace {

constexpr int32_t RowsPastBase = 3;

void addPiles(WorldFile& map, int count) {
    const int side = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count))));
    const MapBaseCentre base = map.baseCentres[0];
    for (int i = 0; i < count; ++i) {
        const int32_t z = base.z + RowsPastBase + i / side - side / 2;
        const int32_t x = base.x + i % side - side / 2;
        map.metalPiles.push_back({z, x, 0});
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: orvalen-crowd-map IN.ktqw OUT.ktqw COUNT\n";
        return 2;
    }
    auto map = readWorldFile(argv[1]);
    if (!map) {
        std::cerr << argv[1] << ": " << map.error << "\n";
        return 1;
    }
    addPiles(*map.value, std::stoi(argv[3]));
    const auto bytes = writeWorldFile(*map.value);
    std::ofstream out(argv[2], std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::cerr << argv[2] << ": cannot write\n";
        return 1;
    }
    return 0;
}
