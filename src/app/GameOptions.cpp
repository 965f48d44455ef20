#include "app/GameOptions.h"

#include "core/ParseNumber.h"

std::optional<GameOptions> GameOptions::parse(const std::vector<std::string>& arguments, std::string& error) {
    GameOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] != "--enemy-marines") {
            error = "unknown option '" + arguments[i] + "'";
            return std::nullopt;
        }
        if (i + 1 >= arguments.size()) {
            error = "--enemy-marines needs a number";
            return std::nullopt;
        }
        const std::string& value = arguments[++i];
        const std::optional<int32_t> count = parseNumber<int32_t>(value);
        if (!count || *count < 0 || *count > MostEnemyMarines) {
            error = "--enemy-marines needs a whole number from 0 to " + std::to_string(MostEnemyMarines) +
                    ", not '" + value + "'";
            return std::nullopt;
        }
        options.enemyMarines = *count;
    }
    return options;
}
