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

} // namespace
