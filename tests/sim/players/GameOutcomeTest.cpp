#include "sim/objects/Barracks.h"
#include "sim/objects/Construction.h"
#include "sim/objects/Fighter.h"
#include "sim/objects/OilRafinery.h"
#include "sim/objects/TownCenter.h"
#include "sim/objects/Worker.h"
#include "support/SimulationTest.h"

namespace {

class GameOutcomeTest : public SimulationTest {
protected:
    GameOutcome::Result outcome() { return PlayerManager::getInstance()->getOutcome().result(); }
};

TEST_F(GameOutcomeTest, TheEnemyLosingItsLastBuildingAndUnitIsAVictoryThatStays) {
    add<TownCenter>(TypeBaseCenter, 1, 10.0, 10.0);
    auto enemyBase = add<TownCenter>(TypeBaseCenter, 2, 150.0, 150.0);
    auto enemyMarine = add<Fighter>(TypeMarine, 2, 100.0, 100.0);
    runFrame(16);
    EXPECT_EQ(outcome(), GameOutcome::Playing);

    enemyBase->takeDamage(100000);
    runFrame(16);
    EXPECT_EQ(outcome(), GameOutcome::Playing) << "a Marine is left";
    enemyMarine->takeDamage(100000);
    runFrame(16);
    EXPECT_EQ(outcome(), GameOutcome::Victory);
    EXPECT_EQ(logCount("Game over: Victory\n"), 1);

    add<Fighter>(TypeMarine, 2, 100.0, 100.0);
    runFor(100, 16);
    EXPECT_EQ(outcome(), GameOutcome::Victory) << "the game goes on, the result stays";
    EXPECT_EQ(logCount("Game over: "), 1);
}

TEST_F(GameOutcomeTest, TheHumanLosingEverythingIsADefeatThoughARefineryStands) {
    auto worker = add<Worker>(TypeWorker, 1, 10.0, 10.0);
    add<OilRafinery>(TypeOilRafinery, 1, 12.0, 10.0); // cannot be destroyed: keeps no side alive
    add<Fighter>(TypeMarine, 2, 100.0, 100.0);
    runFrame(16);
    worker->takeDamage(100000);
    runFrame(16);
    EXPECT_EQ(outcome(), GameOutcome::Defeat);
    EXPECT_EQ(logCount("Game over: Defeat\n"), 1);
}

TEST_F(GameOutcomeTest, ASideThatNeverPlayedLosesNothingAndASiteKeepsItsSideAlive) {
    add<Fighter>(TypeMarine, 1, 10.0, 10.0);
    runFor(100, 16);
    EXPECT_EQ(outcome(), GameOutcome::Playing) << "no enemy has ever stood";

    auto enemy = add<Fighter>(TypeMarine, 2, 100.0, 100.0);
    auto building = std::make_unique<Barracks>(WorldObjectData{TypeBarracks, 2, 120.0, 120.0, nullptr});
    world().addObject(std::make_shared<Construction>(std::move(building)));
    runFrame(16);
    enemy->takeDamage(100000);
    runFor(100, 16);
    EXPECT_EQ(outcome(), GameOutcome::Playing) << "the enemy's site still stands";
}

} // namespace
