#include "sim/objects/Fighter.h"
#include "sim/objects/MetalPile.h"
#include "sim/objects/OilPile.h"
#include "sim/objects/OilRafinery.h"
#include "sim/objects/TownCenter.h"
#include "sim/objects/Worker.h"
#include "support/SimulationTest.h"

namespace {

using ObjectTypesTest = SimulationTest;

TEST_F(ObjectTypesTest, AWorkerAttacksAnEnemyTownCentreAndDeliversToItsOwn) {
    auto worker = add<Worker>(TypeWorker, 1, 0.0, 0.0);
    auto enemyBase = add<TownCenter>(TypeBaseCenter, 2, 10.0, 0.0);
    auto ownBase = add<TownCenter>(TypeBaseCenter, 1, 0.0, 0.5);
    worker->actOn(enemyBase);
    EXPECT_EQ(worker->Fightable::getTarget(), enemyBase);

    worker->actOn(ownBase);
    EXPECT_EQ(worker->Fightable::getTarget(), nullptr) << "every order first stops the whole unit";
    // A fresh worker has gathered nothing, so it has no kind to deliver.
    EXPECT_EQ(logCount("Error(3) wrong ReceiverType type (RT=2) in ResourceGatherer::transfer\n"), 1);
}

TEST_F(ObjectTypesTest, AWorkerOrderedOntoAnOilPileOnlyWalksThere) {
    auto worker = add<Worker>(TypeWorker, 1, 0.0, 0.0);
    auto oil = add<OilPile>(TypeOilPile, 0, 20.0, 0.0);
    worker->actOn(oil);
    EXPECT_TRUE(worker->fighterLegs().isMoving());
    EXPECT_EQ(worker->getResourceType(), NoResource);
    runFor(2000, 10);
    EXPECT_NEAR(worker->getPosition().x, 20.0, 0.2);
    EXPECT_EQ(oil->getState(), "Oil Amount: 5000");
}

TEST_F(ObjectTypesTest, AWalkOrderStopsEveryPartOfAWorker) {
    auto worker = add<Worker>(TypeWorker, 1, 0.0, 0.0);
    auto pile = add<MetalPile>(TypeMetalPile, 0, 0.5, 0.0);
    auto enemy = add<Fighter>(TypeMarine, 2, 5.0, 0.0);
    worker->actOn(pile);
    EXPECT_EQ(worker->ResourceGatherer::getTarget(), pile);
    worker->moveTo(30.0, 30.0);
    EXPECT_EQ(worker->ResourceGatherer::getTarget(), nullptr);
    EXPECT_TRUE(worker->fighterLegs().isMoving());
    EXPECT_FALSE(worker->carrierLegs().isMoving());
    worker->setTarget(enemy);
    worker->moveTo(0.0, 0.0);
    EXPECT_EQ(worker->Fightable::getTarget(), nullptr);
}

TEST_F(ObjectTypesTest, AFighterOrderedOntoSomethingItCannotFightWalksThere) {
    auto marine = add<Fighter>(TypeMarine, 1, 0.0, 0.0);
    auto enemy = add<Fighter>(TypeMarine, 2, 15.0, 0.0);
    auto pile = add<MetalPile>(TypeMetalPile, 0, 0.0, 30.0);
    marine->actOn(enemy);
    marine->actOn(pile);
    EXPECT_EQ(marine->getTarget(), enemy);
    EXPECT_DOUBLE_EQ(marine->getDestinationZ(), 30.0);
    marine->moveTo(1.0, 1.0);
    EXPECT_EQ(marine->getTarget(), nullptr) << "a walk order gives up the target";
}

TEST_F(ObjectTypesTest, RefineriesAndScoutsNeverDieAndCannotBeAttacked) {
    auto refinery = add<OilRafinery>(TypeOilRafinery, 1, 0.0, 0.0);
    auto marine = add<Fighter>(TypeMarine, 2, 1.0, 0.0);
    EXPECT_FALSE(marine->setTarget(refinery));
    runFor(1000, 100);
    EXPECT_FALSE(refinery->isDead());
    EXPECT_EQ(refinery->getLoad().metal() + refinery->getLoad().oil(), 0);
}

} // namespace
