#include "app/GameOptions.h"

#include "core/ParseNumber.h"

#include <algorithm>
#include <iterator>

namespace {

const char* const Options[] = {"--enemy-marines", "--replay", "--map", "--opponent", "--script"};

// What the option's value must be, said when it is missing.
std::string needs(const std::string& option) {
    if (option == "--replay")
        return "--replay needs a recorded game";
    if (option == "--map")
        return "--map needs a map file";
    if (option == "--opponent")
        return "--opponent needs computer or none";
    if (option == "--script")
        return "--script needs a file of orders";
    return "--enemy-marines needs a number";
}

} // namespace

std::optional<GameOptions> GameOptions::parse(const std::vector<std::string>& arguments, std::string& error) {
    GameOptions options;
    bool marinesChosen = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (std::find(std::begin(Options), std::end(Options), option) == std::end(Options)) {
            error = "unknown option '" + option + "'";
            return std::nullopt;
        }
        if (i + 1 >= arguments.size()) {
            error = needs(option);
            return std::nullopt;
        }
        const std::string& value = arguments[++i];
        if (option == "--replay" || option == "--script") {
            (option == "--replay" ? options.replayPath : options.scriptPath) = value;
            continue;
        }
        if (option == "--map") {
            options.skirmish = true;
            options.mapPath = value;
            continue;
        }
        if (option == "--opponent") {
            if (value != "computer" && value != "none") {
                error = "--opponent takes computer or none, not '" + value + "'";
                return std::nullopt;
            }
            options.skirmish = true;
            options.computerOpponent = value == "computer";
            continue;
        }
        const std::optional<int32_t> count = parseNumber<int32_t>(value);
        if (!count || *count < 0 || *count > MostEnemyMarines) {
            error = "--enemy-marines needs a whole number from 0 to " + std::to_string(MostEnemyMarines) +
                    ", not '" + value + "'";
            return std::nullopt;
        }
        options.enemyMarines = *count;
        marinesChosen = true;
    }
    if ((marinesChosen || options.skirmish) && !options.replayPath.empty()) {
        error = "--replay takes the map, the opponent and the enemy's Marines from the recorded game";
        return std::nullopt;
    }
    if (!options.scriptPath.empty() && !options.replayPath.empty()) {
        error = "--replay gives the recorded game's orders; --script gives orders to a game played";
        return std::nullopt;
    }
    // A skirmish starts without the enemy's Marines unless they are asked for.
    if (options.skirmish && !marinesChosen)
        options.enemyMarines = 0;
    return options;
}
