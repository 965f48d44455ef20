#include "sim/objects/Construction.h"
#include "sim/objects/Barracks.h"
#include "sim/objects/Fighter.h"
#include "sim/objects/Worker.h"
#include "support/SimulationTest.h"

namespace {

class ConstructionTest : public SimulationTest {
protected:
    std::shared_ptr<Construction> site(int32_t owner, double x, double z) {
        auto building = std::make_unique<Barracks>(WorldObjectData{TypeBarracks, owner, x, z, nullptr});
        auto made = std::make_shared<Construction>(std::move(building));
        world().addObject(made);
        return made;
    }
};

TEST_F(ConstructionTest, ASiteStandsForItsBuildingAndCannotBeAttackedBeforeWorkStarts) {
    auto barracksSite = site(1, 55.0, 60.0);
    EXPECT_EQ(barracksSite->getState(), "Construction of (Barracks) : 0");
    EXPECT_EQ(barracksSite->getHp(), 1);

    auto marine = add<Fighter>(TypeMarine, 2, 50.0, 60.0);
    EXPECT_FALSE(marine->setTarget(barracksSite));
    barracksSite->takeDamage(10);
    EXPECT_EQ(barracksSite->getHp(), 1);
    barracksSite->workStep();
    EXPECT_TRUE(marine->setTarget(barracksSite));
}

TEST_F(ConstructionTest, TwoWorkersBuildASiteAndTheBuildingKeepsTheSitesHitPoints) {
    auto barracksSite = site(1, 55.0, 60.0);
    auto first = add<Worker>(TypeWorker, 1, 50.0, 60.0);
    auto second = add<Worker>(TypeWorker, 2, 60.0, 60.0); // any side may build
    first->actOn(barracksSite);
    second->actOn(barracksSite);
    runFor(1000, 10); // both walk there (5 cells) in 10 ms steps

    const int32_t progressBefore = barracksSite->getProgress();
    ASSERT_GT(progressBefore, 1);
    runFrame(30);
    EXPECT_EQ(barracksSite->getProgress(), progressBefore + 10) << "two builders add 10 per 30 ms";

    barracksSite->takeDamage(40);
    while (!barracksSite->isDead() && gameClock().now() < 10000)
        runFrame(10);
    ASSERT_TRUE(barracksSite->isDead());
    runFrame(10);
    ASSERT_EQ(world().getObjects().size(), 3u) << "the site gave way to its building";
    auto barracks = std::dynamic_pointer_cast<Barracks>(world().getObjects().back());
    ASSERT_TRUE(barracks);
    EXPECT_EQ(barracks->getHp(), barracksSite->getHp());
    EXPECT_LT(barracks->getHp(), 500 - 35) << "the damage the site took carries over";
    EXPECT_DOUBLE_EQ(barracks->getPosition().x, 55.0);
    EXPECT_EQ(first->getSite(), nullptr);
}

TEST_F(ConstructionTest, ABuilderMovesOnToTheNearestRemainingSite) {
    auto near = site(1, 10.0, 0.0);
    site(1, 40.0, 0.0); // farther
    auto nearer = site(2, 12.0, 0.0);
    auto worker = add<Worker>(TypeWorker, 1, 10.0, 0.0);
    worker->actOn(near);
    while (!near->isDead() && gameClock().now() < 20000)
        runFrame(10);
    runFrame(10);
    EXPECT_EQ(worker->getSite(), nearer);
}

TEST_F(ConstructionTest, ADestroyedSiteDestroysItsBuilding) {
    auto barracksSite = site(1, 5.0, 5.0);
    barracksSite->workStep();
    const int deletedBefore = logCount(" deleted.\n");
    barracksSite->takeDamage(10);
    runFrame(10);
    EXPECT_TRUE(world().getObjects().empty());
    barracksSite.reset();
    EXPECT_EQ(logCount(" deleted.\n"), deletedBefore + 2);
}

} // namespace
