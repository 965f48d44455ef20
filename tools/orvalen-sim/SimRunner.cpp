#include "SimRunner.h"

#include "SimDump.h"
#include "core/Clock.h"
#include "sim/game/Game.h"
#include "sim/replay/ReplayWriter.h"

#include "sim/players/GameOutcome.h"
#include "sim/players/PlayerManager.h"

#include <iomanip>
#include <memory>

SimRunner::SimRunner(const SimOptions& options, const OrderScript& script, std::optional<MapFile> map)
    : options(options), script(script), map(std::move(map)) {}

namespace {

// "side 1 won after 12:34 of game time" once the game is decided.
bool reportOutcome(Game& game, std::ostream& out) {
    const GameOutcome::Result result = game.players().getOutcome().result();
    if (result == GameOutcome::Playing)
        return false;
    const int32_t seconds = game.clock().now() / 1000;
    out << "side " << (result == GameOutcome::Victory ? 1 : 2) << " won after " << seconds / 60 << ":"
        << std::setw(2) << std::setfill('0') << seconds % 60 << " of game time\n";
    return true;
}

} // namespace

void SimRunner::run(std::ostream& out) {
    GameSettings settings;
    settings.seed = options.seed.value_or(currentTime());
    settings.enemyMarines = options.enemyMarines;
    settings.skirmish = options.skirmish;
    settings.computer = options.computer;
    if (map) {
        settings.mapPath = options.mapPath;
        settings.mapChecksum = map->checksum;
    }
    Game& game = Game::start(settings, map ? &map->world : nullptr);
    if (!options.recordPath.empty())
        game.record(std::make_unique<ReplayWriter>(options.recordPath, settings));
    for (int32_t pass = 1; pass <= options.passes; ++pass) {
        game.runPass(options.frameMilliseconds);
        for (const Command& command : script.commandsFor(pass))
            game.apply(command);
        if (options.untilOver && reportOutcome(game, out))
            break;
    }
    if (options.dump)
        dumpWorld(out);
    Game::end();
}
