// orvalen-sim: the game's simulation headless, with a fixed frame length and seed, optionally
// driven by a script of orders; or a recorded game played again and checked.
#include "ReplayCheck.h"
#include "SimOptions.h"
#include "SimRunner.h"
#include "core/CommandLine.h"
#include "core/FilePath.h"
#include "sim/game/OrderScript.h"

#include <filesystem>
#include <iostream>

namespace {

constexpr int BadInput = 2;

// The map the world starts with. The default map is optional, as for a game folder without one,
// and a broken one is reported as the game reports it and replaced by an empty map; a map named
// on the command line must load.
bool loadMap(const SimOptions& options, std::optional<MapFile>& map) {
    if (!options.mapRequired && !std::filesystem::exists(normalisePath(options.mapPath)))
        return true;
    ParseResult<MapFile> parsed = readMapFile(options.mapPath);
    if (!parsed) {
        std::cerr << "orvalen-sim: " << mapUnavailableMessage(options.mapPath) << " (" << parsed.error
                  << ")\n";
        return !options.mapRequired;
    }
    map = std::move(*parsed.value);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (answeredHelpOrVersion(arguments, "orvalen-sim", SimOptions::Help))
        return 0;
    std::string error;
    const std::optional<SimOptions> options = SimOptions::parse(arguments, error);
    if (!options) {
        std::cerr << "orvalen-sim: " << error << "\n" << SimOptions::Usage << "\n";
        return BadInput;
    }
    if (!options->replayPath.empty())
        return checkReplay(options->replayPath, options->dump, std::cout, std::cerr);
    const ParseResult<OrderScript> script = OrderScript::load(options->scriptPath);
    if (!script) {
        std::cerr << "orvalen-sim: " << script.error << "\n";
        return BadInput;
    }
    std::optional<MapFile> map;
    if (!loadMap(*options, map))
        return BadInput;
    SimRunner(*options, *script.value, std::move(map)).run(std::cout);
    return 0;
}
