#include "SimRunner.h"

#include "SimDump.h"
#include "core/Clock.h"
#include "sim/game/Game.h"
#include "sim/replay/ReplayWriter.h"

#include <memory>

SimRunner::SimRunner(const SimOptions& options, const SimScript& script, std::optional<MapFile> map)
    : options(options), script(script), map(std::move(map)) {}

void SimRunner::run(std::ostream& out) {
    GameSettings settings;
    settings.seed = options.seed.value_or(currentTime());
    settings.enemyMarines = options.enemyMarines;
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
    }
    if (options.dump)
        dumpWorld(out);
    Game::end();
}
