#pragma once

#include "sim/game/GameSettings.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

// The command line of the headless runner:
//   orvalen-sim [--seed N] [--frame-ms N] [--passes N] [--script FILE] [--map FILE] [--enemy-marines N]
//               [--opponent computer|none] [--human computer] [--until-over] [--record FILE] [--dump]
//   orvalen-sim --replay FILE [--dump]
struct SimOptions {
    std::optional<std::time_t> seed; // the calendar time the game reads; real time without it
    int32_t frameMilliseconds = 16;
    int32_t passes = 1000;
    std::string scriptPath;           // empty: no script
    std::string mapPath = DefaultMap; // the map whose objects enter the world before the set-up
    bool mapRequired = false;         // --map given: a missing file is an error, not an empty map
    int32_t enemyMarines = StandardEnemyMarines;
    bool skirmish = false;          // --opponent or --human given: a skirmish's rules and set-up
    std::array<bool, 3> computer{}; // the sides the computer plays
    bool untilOver = false;         // stop at the pass that decides the game
    std::string recordPath;         // empty: the run is not recorded
    std::string replayPath;         // a recorded game to play again and check, instead of a run
    bool dump = false;

    static constexpr const char* DefaultMap = "data\\maps\\motac.ktqw";
    static constexpr const char* Usage =
        "usage: orvalen-sim [--seed N] [--frame-ms N] [--passes N] [--script FILE] [--map FILE]\n"
        "                   [--enemy-marines N] [--opponent computer|none] [--human computer]\n"
        "                   [--until-over] [--record FILE] [--dump]\n"
        "       orvalen-sim --replay FILE [--dump]";
    static constexpr const char* Help =
        "usage: orvalen-sim [--seed N] [--frame-ms N] [--passes N] [--script FILE] [--map FILE]\n"
        "                   [--enemy-marines N] [--opponent computer|none] [--human computer]\n"
        "                   [--until-over] [--record FILE] [--dump]\n"
        "       orvalen-sim --replay FILE [--dump]\n"
        "       orvalen-sim --help | --version\n"
        "\n"
        "Runs the game's simulation without a window in the current folder and writes log.log there,\n"
        "as the game does.\n"
        "\n"
        "  --seed N       the calendar time the game reads (default: the real time)\n"
        "  --frame-ms N   milliseconds of game time per pass (default 16)\n"
        "  --passes N     how many passes to run (default 1000)\n"
        "  --script FILE  orders, one per line: <pass> <player> <command> <arguments>\n"
        "  --map FILE     the map whose objects start the world (default data\\maps\\motac.ktqw\n"
        "                 when it exists, else an empty map)\n"
        "  --enemy-marines N  the enemy starts with N Marines (0 to 1000) instead of 15\n"
        "  --opponent computer|none  play a skirmish: both sides start at their bases with Workers;\n"
        "                 with computer, the computer plays side 2\n"
        "  --human computer  play a skirmish with the computer on side 1 as well\n"
        "  --until-over   stop when one side has lost, and say who won after how long\n"
        "  --record FILE  record the run as the game records its games\n"
        "  --replay FILE  play a recorded game again and check it against its recording: exit 0\n"
        "                 when it matches, 1 when it diverges or was cut short, 2 for a file that\n"
        "                 is not one or a map that is missing or another\n"
        "  --dump         list every object and player after the last pass\n";

    // The options, or nullopt with `error` saying what is wrong.
    static std::optional<SimOptions> parse(const std::vector<std::string>& arguments, std::string& error);
};
