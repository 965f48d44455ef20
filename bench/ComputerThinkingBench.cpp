// What the computer opponent's thinking costs a pass: on every baked map, a skirmish of the computer
// against the computer for twenty minutes of game time in passes of 16 ms, as a window at sixty frames a
// second plays it. Only the two sides' thinking after each pass is timed; the passes themselves are
// not. Run it from the build folder.
#include "ScratchFolder.h"

#include "files/WorldFile.h"
#include "sim/ai/ComputerPlayer.h"
#include "sim/game/Game.h"
#include "sim/players/PlayerManager.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int32_t PassMilliseconds = 16;
constexpr int64_t Passes = 20 * 60 * 1000 / PassMilliseconds;

void thinkThroughGame(benchmark::State& state, const MapFile& map, const std::string& path) {
    const ScratchFolder folder; // the simulation writes log.log as the game does
    GameSettings settings;
    settings.mapPath = path;
    settings.mapChecksum = map.checksum;
    settings.seed = 1;
    settings.enemyMarines = 0;
    settings.skirmish = true; // the computers are the benchmark's own, so that their thinking is timed alone
    Game& game = Game::start(settings, &map.world);
    ComputerPlayer sides[] = {ComputerPlayer(1), ComputerPlayer(2)};
    for (auto _ : state) {
        game.runPass(PassMilliseconds);
        const auto start = std::chrono::steady_clock::now();
        for (ComputerPlayer& side : sides)
            side.think();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["game over"] = game.players().getOutcome().result() != GameOutcome::Playing;
    Game::end();
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::vector<fs::path> maps;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("data/maps", error))
        if (entry.path().extension() == ".ktqw")
            maps.push_back(entry.path());
    std::sort(maps.begin(), maps.end());
    if (maps.empty()) {
        std::cerr << "no baked maps here: run this from the build folder\n";
        return 1;
    }
    std::vector<MapFile> loaded;
    loaded.reserve(maps.size());
    for (const fs::path& path : maps) {
        const std::string gamePath = "data\\maps\\" + path.filename().string();
        ParseResult<MapFile> map = readMapFile(fs::absolute(path).string());
        if (!map) {
            std::cerr << path.string() << ": " << map.error << "\n";
            return 1;
        }
        loaded.push_back(std::move(*map.value));
        benchmark::RegisterBenchmark(("BM_ComputerThinking/" + path.filename().string()).c_str(),
                                     thinkThroughGame, loaded.back(), gamePath)
            ->Iterations(Passes)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
