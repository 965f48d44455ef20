// One pass of the simulation with 100, 1 000, 10 000 and 100 000 units, headless: half of them marines of
// both sides walking into each other and fighting, half workers of both sides gathering metal for
// their town centres. Each run starts from a fresh scene and times its first 500 passes of 16 ms,
// eight seconds of play in which the armies close, fire and begin to fall. The same passes again
// while the game is recorded, as every game the window plays is, show what recording costs.
#include "ScratchFolder.h"

#include "core/Log.h"
#include "sim/economy/ResourceType.h"
#include "sim/game/Game.h"
#include "sim/manager/ObjectManager.h"
#include "sim/objects/Fighter.h"
#include "sim/objects/MetalPile.h"
#include "sim/objects/TownCenter.h"
#include "sim/objects/Worker.h"
#include "sim/replay/ReplayWriter.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int32_t PassMilliseconds = 16;
constexpr int64_t PassesPerRun = 500;
constexpr int32_t WorkersPerPile = 10;
// Every group stands in a column this many cells wide, as long as its numbers need.
constexpr int32_t ColumnWidth = 10;
// Marine pairs start 25 cells apart and fire from 20; a marine falls to 12 shots.
constexpr double ArmyGap = 15.0;
constexpr double LeftArmy = 40.0;
constexpr double RightArmy = LeftArmy + ColumnWidth + ArmyGap;
constexpr double LeftWorkers = 0.0;
constexpr double RightWorkers = RightArmy + ColumnWidth + 30.0;

template <typename T> std::shared_ptr<T> add(WorldObjectType type, int32_t owner, double x, double z) {
    auto object = std::make_shared<T>(WorldObjectData{type, owner, x, z, nullptr});
    ObjectManager::getInstance()->addObject(object);
    return object;
}

double columnX(int32_t i) {
    return i % ColumnWidth;
}
double columnZ(int32_t i) {
    return i / ColumnWidth;
}

// Each marine of side 1 is ordered onto its counterpart of side 2, in the same row of the other
// column, and the other way round.
void addArmies(int32_t perSide) {
    std::vector<std::shared_ptr<Fighter>> left, right;
    for (int32_t i = 0; i < perSide; ++i) {
        left.push_back(add<Fighter>(TypeMarine, 1, LeftArmy + columnX(i), columnZ(i)));
        right.push_back(add<Fighter>(TypeMarine, 2, RightArmy + columnX(i), columnZ(i)));
    }
    for (int32_t i = 0; i < perSide; ++i) {
        left[i]->actOn(right[i]);
        right[i]->actOn(left[i]);
    }
}

// A side's workers in a column, each gathering from one of the piles among them for the side's
// town centre beside the column's middle.
void addEconomy(int32_t owner, int32_t workers, double left) {
    const double middle = columnZ(workers) / 2.0;
    add<TownCenter>(TypeBaseCenter, owner, left + ColumnWidth + 5.0, middle);
    std::shared_ptr<MetalPile> pile;
    for (int32_t i = 0; i < workers; ++i) {
        if (i % WorkersPerPile == 0) {
            pile = add<MetalPile>(TypeMetalPile, 0, left + columnX(i) + 0.5, columnZ(i));
            pile->getContents().amounts[Metal] = 1000000;
        }
        add<Worker>(TypeWorker, owner, left + columnX(i), columnZ(i))->actOn(pile);
    }
}

void buildScene(int32_t units) {
    const int32_t perSide = units / 4;
    addArmies(perSide);
    addEconomy(1, perSide, LeftWorkers);
    addEconomy(2, perSide, RightWorkers);
}

void runPasses(benchmark::State& state, bool recorded) {
    const ScratchFolder folder; // the simulation writes log.log as the game does
    Game::end();
    openLog();
    buildScene(static_cast<int32_t>(state.range(0)));
    Game& game = Game::current();
    if (recorded)
        game.record(std::make_unique<ReplayWriter>("game.replay", GameSettings{}));
    for (auto _ : state)
        game.runPass(PassMilliseconds);
    state.counters["objects left"] = static_cast<double>(ObjectManager::getInstance()->getObjects().size());
    state.SetComplexityN(state.range(0));
    Game::end();
}

void BM_SimulationPass(benchmark::State& state) {
    runPasses(state, false);
}
BENCHMARK(BM_SimulationPass)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(PassesPerRun)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();

void BM_RecordedPass(benchmark::State& state) {
    runPasses(state, true);
}
BENCHMARK(BM_RecordedPass)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Iterations(PassesPerRun)
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
