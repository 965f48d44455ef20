#include "SimOptions.h"
#include "core/ParseNumber.h"

#include <limits>

namespace {

bool takesValue(const std::string& option) {
    return option == "--seed" || option == "--frame-ms" || option == "--passes" || option == "--script" ||
           option == "--map" || option == "--record" || option == "--replay" || option == "--enemy-marines" ||
           option == "--opponent" || option == "--human";
}

} // namespace

std::optional<SimOptions> SimOptions::parse(const std::vector<std::string>& arguments, std::string& error) {
    SimOptions options;
    bool runChosen = false; // an option that shapes a run, which a replay takes from its file
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--dump" || option == "--until-over") {
            (option == "--dump" ? options.dump : options.untilOver) = true;
            continue;
        }
        if (!takesValue(option)) {
            error = "unknown argument '" + option + "'";
            return std::nullopt;
        }
        if (i + 1 >= arguments.size()) {
            error = option + " needs a value";
            return std::nullopt;
        }
        const std::string& value = arguments[++i];
        if (option == "--replay") {
            options.replayPath = value;
            continue;
        }
        runChosen = true;
        if (option == "--script" || option == "--record") {
            (option == "--script" ? options.scriptPath : options.recordPath) = value;
            continue;
        }
        if (option == "--opponent" || option == "--human") {
            const bool computer = value == "computer";
            if (!computer && (value != "none" || option == "--human")) {
                error = option + (option == "--human" ? " takes computer" : " takes computer or none") +
                        ", not '" + value + "'";
                return std::nullopt;
            }
            options.skirmish = true;
            options.computer[option == "--human" ? 1 : 2] = computer;
            continue;
        }
        if (option == "--map") {
            options.mapPath = value;
            options.mapRequired = true;
            continue;
        }
        if (option == "--seed") {
            options.seed = parseNumber<std::time_t>(value);
            if (!options.seed) {
                error = "--seed needs a whole number, not '" + value + "'";
                return std::nullopt;
            }
            continue;
        }
        const std::optional<int32_t> number = parseNumber<int32_t>(value);
        if (option == "--enemy-marines") {
            if (!number || *number < 0 || *number > MostEnemyMarines) {
                error = "--enemy-marines needs a whole number from 0 to " + std::to_string(MostEnemyMarines) +
                        ", not '" + value + "'";
                return std::nullopt;
            }
            options.enemyMarines = *number;
            continue;
        }
        if (!number || *number < 0) {
            error = option + " needs a whole number of at least 0, not '" + value + "'";
            return std::nullopt;
        }
        (option == "--frame-ms" ? options.frameMilliseconds : options.passes) = *number;
    }
    if (!options.replayPath.empty() && runChosen) {
        error = "--replay takes the map, the seed, the passes and the orders from its file";
        return std::nullopt;
    }
    // The game clock is a 32-bit count of milliseconds.
    if (static_cast<int64_t>(options.frameMilliseconds) * options.passes >
        std::numeric_limits<int32_t>::max()) {
        error = "--frame-ms times --passes must stay within 2147483647 ms of game time";
        return std::nullopt;
    }
    return options;
}
