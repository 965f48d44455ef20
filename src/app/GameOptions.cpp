#include "app/GameOptions.h"

#include "core/ParseNumber.h"

std::optional<GameOptions> GameOptions::parse(const std::vector<std::string>& arguments, std::string& error) {
    GameOptions options;
    bool marinesChosen = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option != "--enemy-marines" && option != "--replay") {
            error = "unknown option '" + option + "'";
            return std::nullopt;
        }
        if (i + 1 >= arguments.size()) {
            error =
                option == "--replay" ? "--replay needs a recorded game" : "--enemy-marines needs a number";
            return std::nullopt;
        }
        const std::string& value = arguments[++i];
        if (option == "--replay") {
            options.replayPath = value;
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
    if (marinesChosen && !options.replayPath.empty()) {
        error = "--replay takes the enemy's Marines from the recorded game";
        return std::nullopt;
    }
    return options;
}
