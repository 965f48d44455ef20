#include "sim/objects/Fighter.h"
#include "sim/objects/Worker.h"
#include "support/SimulationTest.h"

namespace {

using CombatTest = SimulationTest;

TEST_F(CombatTest, AMarineChasesItsTargetAndFiresOneCooldownAfterTheFirstStepInRange) {
    auto marine = add<Fighter>(TypeMarine, 1, 0.0, 0.0);
    auto victim = add<Worker>(TypeWorker, 2, 30.0, 0.0);
    marine->actOn(victim);

    int32_t inRangeAt = -1;
    while (inRangeAt < 0 && gameClock().now() < 5000) {
        runFrame(10);
        if (distance2D(marine->getPosition(), victim->getPosition()) <= 20.0)
            inRangeAt = gameClock().now();
    }
    ASSERT_GT(inRangeAt, 0);
    runFrame(10);
    EXPECT_FALSE(marine->isMoving()) << "a unit with its target in range stands still";

    while (gameClock().now() < inRangeAt + 290)
        runFrame(10);
    EXPECT_EQ(victim->getHp(), 40);
    runFrame(10);
    EXPECT_EQ(victim->getHp(), 35) << "the first shot comes 300 ms after the first step in range";

    // The next shot waits for the pause after the shot (strictly) and the cooldown.
    runFor(300, 10);
    EXPECT_EQ(victim->getHp(), 35);
    runFrame(10);
    EXPECT_EQ(victim->getHp(), 30);
}

TEST_F(CombatTest, MarinesShootBulletsThatHurtAtOnceAndWorkersShellsThatLandLater) {
    auto marine = add<Fighter>(TypeMarine, 1, 0.0, 0.0);
    auto worker = add<Worker>(TypeWorker, 1, 0.0, 4.0);
    auto target = add<Fighter>(TypeMarine, 2, 10.0, 0.0);
    marine->setTarget(target);
    runFor(310, 10);
    EXPECT_EQ(target->getHp(), 55);
    EXPECT_EQ(world().projectileCount(), 1u);

    marine->stop();
    worker->setTarget(target);
    runFor(2010, 10);
    EXPECT_EQ(target->getHp(), 55) << "a shell deals nothing in flight";
    EXPECT_EQ(world().projectileCount(), 1u);
}

// Hit points read never below zero; the log keeps the true value.
TEST_F(CombatTest, ADeadTargetIsLeftAndRemovedFromTheWorld) {
    MessageRecorder messages(player(2));
    auto marine = add<Fighter>(TypeMarine, 1, 0.0, 0.0);
    auto victim = add<Worker>(TypeWorker, 2, 5.0, 0.0);
    victim->takeDamage(38);
    marine->setTarget(victim);
    runFor(310, 10);
    EXPECT_TRUE(victim->isDead());
    EXPECT_EQ(victim->getHp(), 0);
    EXPECT_EQ(logCount(") has now -3 HP\n"), 1);
    EXPECT_EQ(world().getObjects().size(), 1u);
    EXPECT_EQ(messages.messages.back().first, "Unit Worker deleted");
    runFor(310, 10); // past the pause after the shot
    EXPECT_EQ(marine->getTarget(), nullptr);
}

// An attack-move walks toward its goal, takes on the first enemy within range, and walks on once it
// has fallen; a plain move walks past.
TEST_F(CombatTest, AnAttackMoveFightsWhatComesWithinRangeAndThenWalksOn) {
    auto marine = add<Fighter>(TypeMarine, 1, 0.0, 0.0);
    auto enemy = add<Worker>(TypeWorker, 2, 40.0, 5.0);
    enemy->takeDamage(35);
    marine->attackMoveTo(80.0, 0.0);
    while (!marine->getTarget() && gameClock().now() < 10000)
        runFrame(10);
    ASSERT_EQ(marine->getTarget(), enemy);
    EXPECT_LE(distance2D(marine->getPosition(), enemy->getPosition()), 20.0);
    runFor(1000, 10);
    EXPECT_TRUE(enemy->isDead());
    runFor(500, 10);
    EXPECT_TRUE(marine->isMoving()) << "the walk goes on";
    while (marine->isMoving() && gameClock().now() < 30000)
        runFrame(10);
    EXPECT_NEAR(marine->getPosition().x, 80.0, 1.0);
    runFrame(10);
    EXPECT_FALSE(marine->isAttackMoving()) << "arrived, it takes on nothing more";

    auto walker = add<Fighter>(TypeMarine, 1, 0.0, 20.0);
    auto other = add<Worker>(TypeWorker, 2, 40.0, 25.0);
    walker->moveTo(80.0, 20.0);
    while (walker->isMoving() && gameClock().now() < 60000)
        runFrame(10);
    EXPECT_EQ(walker->getTarget(), nullptr);
    EXPECT_EQ(other->getHp(), 40);
}

} // namespace
