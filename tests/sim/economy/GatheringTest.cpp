#include "sim/objects/Fighter.h"
#include "sim/objects/MetalPile.h"
#include "sim/objects/OilPile.h"
#include "sim/objects/TownCenter.h"
#include "sim/objects/Worker.h"
#include "support/SimulationTest.h"

namespace {

// A Worker of player 1 with a metal pile (47 units) within its reach.
class GatheringTest : public SimulationTest {
protected:
    void SetUp() override {
        SimulationTest::SetUp();
        worker = add<Worker>(TypeWorker, 1, 0.0, 0.0);
        pile = add<MetalPile>(TypeMetalPile, 0, 0.5, 0.0);
    }

    // The metal deliveries a player receives while the simulation runs for `milliseconds`.
    std::vector<int32_t> deliveriesTo(int32_t id, int32_t milliseconds) {
        std::vector<int32_t> deliveries;
        int32_t metal = player(id).getResources().metal();
        for (int32_t elapsed = 0; elapsed < milliseconds; elapsed += 10) {
            runFrame(10);
            const int32_t now = player(id).getResources().metal();
            if (now != metal)
                deliveries.push_back(now - metal);
            metal = now;
        }
        return deliveries;
    }

    std::shared_ptr<Worker> worker;
    std::shared_ptr<MetalPile> pile;
};

TEST_F(GatheringTest, AWorkerInReachTakesOneUnitPerTickUntilItsLoadIsFull) {
    add<TownCenter>(TypeBaseCenter, 1, 20.0, 0.0);
    worker->actOn(pile);
    runFrame(100); // the gathering timer starts
    for (int tick = 1; tick <= 10; ++tick) {
        runFrame(100);
        EXPECT_EQ(worker->getLoad().metal(), tick);
    }
    EXPECT_TRUE(worker->isReturning());

    runFrame(100);
    EXPECT_TRUE(worker->carrierLegs().isMoving()) << "a full load goes to the nearest receiver";
    EXPECT_DOUBLE_EQ(worker->carrierLegs().getDestinationX(), 20.0);
}

TEST_F(GatheringTest, ALongFrameCatchesUpOnGathering) {
    worker->actOn(pile);
    runFrame(10);
    runFrame(350);
    EXPECT_EQ(worker->getLoad().metal(), 3);
    EXPECT_EQ(logCount("Resource amount in "), 3);
    runFrame(40);
    EXPECT_EQ(worker->getLoad().metal(), 3);
    runFrame(10);
    EXPECT_EQ(worker->getLoad().metal(), 4);
}

TEST_F(GatheringTest, A47UnitPileTakesFiveTripsAndTheRestIsDeliveredAfterItIsGone) {
    add<TownCenter>(TypeBaseCenter, 1, 10.0, 0.0);
    worker->actOn(pile);
    EXPECT_EQ(deliveriesTo(1, 30000), (std::vector<int32_t>{10, 10, 10, 10, 7}));
    EXPECT_EQ(world().getObjects().size(), 2u) << "the empty pile left the world";
    EXPECT_EQ(worker->getResourceType(), Metal);
    EXPECT_EQ(worker->ResourceGatherer::getTarget(), nullptr);
    EXPECT_TRUE(isEmpty(worker->getLoad()));
}

TEST_F(GatheringTest, AnEmptiedPileLeadsToTheNearestOtherPileOfTheKind) {
    add<TownCenter>(TypeBaseCenter, 1, 5.0, 0.0);
    add<MetalPile>(TypeMetalPile, 0, 40.0, 0.0);
    auto second = add<MetalPile>(TypeMetalPile, 0, 0.0, 8.0);
    pile->getContents().amounts[Metal] = 5;
    worker->actOn(pile);
    while (!pile->isDead() && gameClock().now() < 5000)
        runFrame(10);
    runFrame(10);
    EXPECT_EQ(worker->ResourceGatherer::getTarget(), second);
}

TEST_F(GatheringTest, GatheringEndsForGoodWhenTheLastUnitFillsTheLoadAndNoPileIsLeft) {
    add<TownCenter>(TypeBaseCenter, 1, 5.0, 0.0);
    pile->getContents().amounts[Metal] = 40;
    worker->actOn(pile);
    EXPECT_EQ(deliveriesTo(1, 20000), (std::vector<int32_t>{10, 10, 10, 10}));
    EXPECT_EQ(worker->getResourceType(), NoResource);
}

TEST_F(GatheringTest, WithNoReceiverOfItsOwnSideAGathererKeepsItsLoadWhereItIs) {
    add<TownCenter>(TypeBaseCenter, 2, 5.0, 0.0);
    worker->actOn(pile);
    runFor(3000, 10);
    EXPECT_EQ(worker->getLoad().metal(), 10);
    EXPECT_LT(distance2D(worker->getPosition(), {0.5, 0.0}), 1.0);
    EXPECT_EQ(player(2).getResources().metal(), 500);
}

TEST_F(GatheringTest, SwitchingKindsThrowsTheOldLoadAway) {
    auto oil = add<OilPile>(TypeOilPile, 0, 0.0, 0.5);
    worker->gatherFrom(oil);
    runFrame(10);
    runFrame(400);
    EXPECT_EQ(worker->getLoad().oil(), 4);
    worker->actOn(pile);
    EXPECT_TRUE(isEmpty(worker->getLoad()));
    EXPECT_EQ(worker->getResourceType(), Metal);
}

TEST_F(GatheringTest, DeliveringToSomethingThatReceivesNothingIsLogged) {
    auto marine = add<Fighter>(TypeMarine, 1, 0.0, 0.0);
    worker->transfer(marine);
    EXPECT_EQ(logCount("Error(2) wrong destination type (WOT=0) in ResourceGatherer::transfer\n"), 1);
    EXPECT_FALSE(worker->isReturning());
}

} // namespace
