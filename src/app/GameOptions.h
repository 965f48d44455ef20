#pragma once

#include "sim/economy/GameSetup.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The choices a player makes on the command line, past --help and --version.
struct GameOptions {
    // The most Marines the enemy may start with: a crowd the simulation still runs smoothly.
    static constexpr int32_t MostEnemyMarines = 1000;

    int32_t enemyMarines = StandardEnemyMarines;

    // The options the arguments give, or nothing with `error` saying what is wrong.
    static std::optional<GameOptions> parse(const std::vector<std::string>& arguments, std::string& error);
};
