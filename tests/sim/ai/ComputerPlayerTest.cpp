#include "sim/ai/ComputerPlayer.h"
#include "core/FilePath.h"
#include "sim/game/StateHash.h"
#include "sim/objects/Fighter.h"
#include "sim/players/GameOutcome.h"
#include "sim/replay/ReplayRunner.h"
#include "sim/replay/ReplayWriter.h"
#include "support/SkirmishTest.h"

#include <cmath>

namespace {

constexpr int32_t Pass = 16;
constexpr int32_t Minute = 60000;
constexpr std::array<bool, 3> ComputerOnSide2{false, false, true};
constexpr std::array<bool, 3> ComputerOnBoth{false, true, true};

class ComputerPlayerTest : public SkirmishTest {
protected:
    GridPosition baseOf(int32_t side) { return objectAt(indexOf(TypeBaseCenter, side))->getPosition(); }

    // Runs until the game is decided or `milliseconds` have gone by.
    GameOutcome::Result playUntilOver(int32_t milliseconds) {
        Game& game = Game::current();
        while (game.clock().now() < milliseconds &&
               game.players().getOutcome().result() == GameOutcome::Playing)
            runFrame(Pass);
        return game.players().getOutcome().result();
    }
};

TEST_F(ComputerPlayerTest, InItsFirstMinutesItTrainsWorkersGathersMetalAndOilAndRaisesABarracksForMarines) {
    startOnMap(true, ComputerOnSide2);
    const ResourceSack inPiles = leftInPiles();
    std::vector<GridPosition> humanWorkers;
    for (std::size_t i = 0; i < 4; ++i)
        humanWorkers.push_back(objectAt(indexOf(TypeWorker, 1, i))->getPosition());

    runFor(2 * Minute, Pass); // before its first wave can leave
    for (std::size_t i = 0; i < 4; ++i) {
        const GridPosition at = objectAt(indexOf(TypeWorker, 1, i))->getPosition();
        EXPECT_EQ(at.x, humanWorkers[i].x) << "the computer gives no order to side 1";
        EXPECT_EQ(at.z, humanWorkers[i].z);
    }
    runFor(2 * Minute, Pass);
    EXPECT_GT(countOf(TypeWorker, 2), 4u);
    EXPECT_LE(countOf(TypeWorker, 2), ComputerPlayer::WorkersWanted);
    EXPECT_LT(leftInPiles().metal(), inPiles.metal());
    EXPECT_LT(leftInPiles().oil(), inPiles.oil());
    EXPECT_GE(countOf(TypeBarracks, 2), 1u);
    EXPECT_GE(countOf(TypeMarine, 2), 1u);
    EXPECT_LT(std::hypot(objectAt(indexOf(TypeBarracks, 2))->getPosition().x - baseOf(2).x,
                         objectAt(indexOf(TypeBarracks, 2))->getPosition().z - baseOf(2).z),
              15.0)
        << "near its base";
}

// An enemy Marine near the base but out of every defender's sight: the computer sends its army.
TEST_F(ComputerPlayerTest, ItAnswersAnAttackOnItsBaseWithItsMarines) {
    for (const bool computer : {true, false}) {
        SCOPED_TRACE(computer ? "with the computer" : "without");
        startOnMap(true, computer ? ComputerOnSide2 : std::array<bool, 3>{}, 5);
        const GridPosition base = baseOf(2);
        auto intruder = add<Fighter>(TypeMarine, 1, base.x - 23.0, base.z);
        runFor(30000, Pass);
        if (computer)
            EXPECT_TRUE(intruder->isDead());
        else
            EXPECT_EQ(intruder->getHp(), intruder->getMaxHp());
    }
}

TEST_F(ComputerPlayerTest, ASideThatGivesNoOrdersIsDefeatedWithinTwentyMinutes) {
    startOnMap(true, ComputerOnSide2);
    EXPECT_EQ(playUntilOver(20 * Minute), GameOutcome::Defeat);
    EXPECT_EQ(logCount("Game over: Defeat\n"), 1);
}

TEST_F(ComputerPlayerTest, TwoComputersPlayTheSameGameForTheSameSeedAndTheGameEnds) {
    uint64_t hashes[3] = {};
    const std::time_t seeds[3] = {3, 3, 4};
    for (int i = 0; i < 3; ++i) {
        startOnMap(true, ComputerOnBoth, 0, seeds[i]);
        EXPECT_NE(playUntilOver(40 * Minute), GameOutcome::Playing) << "seed " << seeds[i];
        hashes[i] = hashGameState();
    }
    EXPECT_EQ(hashes[0], hashes[1]);
    EXPECT_NE(hashes[0], hashes[2]);
}

// The computer's orders are not recorded: it thinks again as the recording plays, to the same hashes.
TEST_F(ComputerPlayerTest, ASkirmishWithTheComputerReplaysToTheSameHashes) {
    Game& game = startOnMap(true, ComputerOnSide2);
    game.record(std::make_unique<ReplayWriter>("game.replay", game.settings()));
    for (int32_t pass = 1; pass <= 2 * Minute / Pass; ++pass) {
        runFrame(Pass);
        if (pass == 100) {
            game.apply(Command::select(1, {indexOf(TypeWorker, 1)}));
            game.apply(Command::move(1, baseOf(2).x, baseOf(2).z - 10.0)); // into the computer's base
        }
    }
    Game::end();

    const auto bytes = readFileBytes("game.replay");
    ASSERT_TRUE(bytes);
    const auto replay = parseReplay(std::string(bytes->begin(), bytes->end()));
    ASSERT_TRUE(replay) << replay.error;
    EXPECT_TRUE(replay.value->settings.skirmish);
    EXPECT_TRUE(replay.value->settings.playedByComputer(2));
    EXPECT_EQ(replay.value->commands.size(), 2u) << "the player's, not the computer's";
    Game::start(replay.value->settings, &map.world);
    ReplayRunner runner(*replay.value);
    while (runner.step()) {
    }
    EXPECT_TRUE(runner.finished());
    EXPECT_FALSE(runner.divergence());
    EXPECT_GE(runner.hashesChecked(), 75u);
}

} // namespace
