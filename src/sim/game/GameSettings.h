#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

// How many Marines the enemy starts with in a standard game, and the most it may: a crowd the
// simulation still runs smoothly.
constexpr int32_t StandardEnemyMarines = 15;
constexpr int32_t MostEnemyMarines = 1000;

// Everything besides the orders that decides how a game plays: its map, its seed and the choices
// made before it started. A recorded game keeps them in its header.
struct GameSettings {
    // The map as the game names it ("data\maps\motac.ktqw"), and the checksum of the file's bytes;
    // no checksum: the game is played on an empty map (none was given, or it did not load).
    std::string mapPath;
    std::optional<uint64_t> mapChecksum;
    // The calendar time the set-up seeds the simulation's random numbers with.
    std::time_t seed = 0;
    int32_t enemyMarines = StandardEnemyMarines;
    // A skirmish: each side starts at its base with Workers, gathers oil as well as metal, places
    // its own buildings, its units engage what comes near, and a side with no building left loses.
    // Without it the game is the standard one, every rule as it was.
    bool skirmish = false;
    // The sides the computer plays (1 and 2; 0 is never played).
    std::array<bool, 3> computer{};

    bool playedByComputer(int32_t side) const { return computer.at(static_cast<std::size_t>(side)); }

    bool operator==(const GameSettings&) const = default;
};
