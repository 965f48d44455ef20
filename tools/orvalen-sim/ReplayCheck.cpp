#include "ReplayCheck.h"

#include "SimDump.h"
#include "sim/game/Game.h"
#include "sim/replay/ReplayFile.h"
#include "sim/replay/ReplayRunner.h"

namespace {

constexpr int Matches = 0;
constexpr int Differs = 1;
constexpr int Unusable = 2;

} // namespace

int checkReplay(const std::string& path, bool dump, std::ostream& out, std::ostream& errors) {
    const ParseResult<ReplayFile> file = loadReplayFile(path);
    if (!file) {
        errors << "orvalen-sim: " << file.error << "\n";
        return Unusable;
    }
    const Replay& replay = file.value->replay;
    const std::optional<MapFile>& map = file.value->map;
    Game::start(replay.settings, map ? &map->world : nullptr);
    ReplayRunner runner(replay);
    while (runner.step()) {
    }
    if (dump)
        dumpWorld(out);
    Game::end();

    if (const std::optional<int32_t> pass = runner.divergence()) {
        out << "replay diverged at pass " << *pass << "\n";
        return Differs;
    }
    if (!replay.complete) {
        out << "replay incomplete: ends at pass " << runner.passesRun() << "\n";
        return Differs;
    }
    out << "replay matches: " << runner.passesRun() << " passes, " << runner.commandsApplied()
        << " commands, " << runner.hashesChecked() << " hashes checked\n";
    return Matches;
}
