#pragma once

#include "sim/game/GameSettings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The choices a player makes on the command line, past --help and --version.
struct GameOptions {
    int32_t enemyMarines = StandardEnemyMarines;
    std::string replayPath; // a recorded game to show instead of a game to play
    // --map or --opponent: a skirmish on that map (the standard one without --map) against the
    // computer or nobody.
    bool skirmish = false;
    std::string mapPath;
    bool computerOpponent = true;
    // Orders given to the game played as its frames go, as orvalen-sim's scripts give them.
    std::string scriptPath;

    // The options the arguments give, or nothing with `error` saying what is wrong.
    static std::optional<GameOptions> parse(const std::vector<std::string>& arguments, std::string& error);
};
