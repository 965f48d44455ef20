// orvalen-crowd-map IN.ktqw OUT.ktqw COUNT: writes a copy of the map with COUNT more metal piles in
// the start view (addCrowdPiles).
// Piles are drawn like every other model, so the copy measures the frame rate of a crowded view
// without changing the game.
#include "formats/CrowdPiles.h"
#include "formats/MapWriter.h"

#include <fstream>
#include <iostream>
#include <string>

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
    addCrowdPiles(*map.value, std::stoi(argv[3]));
    const auto bytes = writeWorldFile(*map.value);
    std::ofstream out(argv[2], std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::cerr << argv[2] << ": cannot write\n";
        return 1;
    }
    return 0;
}
