#include "sim/objects/Barracks.h"
#include "sim/objects/Construction.h"
#include "sim/objects/Fighter.h"
#include "sim/objects/MetalPile.h"
#include "sim/objects/OilPile.h"
#include "sim/objects/OilRafinery.h"
#include "sim/objects/Scout.h"
#include "sim/objects/TownCenter.h"
#include "sim/objects/Worker.h"
#include "support/SimulationTest.h"

namespace {

using ObjectSelecterTest = SimulationTest;

TEST_F(ObjectSelecterTest, EqualDistancesGoToTheObjectAddedFirst) {
    auto first = add<MetalPile>(TypeMetalPile, 0, 10.0, 0.0);
    auto second = add<MetalPile>(TypeMetalPile, 0, -10.0, 0.0);
    EXPECT_EQ(world().selectNearestPileOfType(Metal, {0.0, 0.0}), first);
    EXPECT_EQ(world().selectNearest({0.0, 0.0}), first);
    EXPECT_EQ(world().selectNearest({-9.0, 0.0}), second);
}

TEST_F(ObjectSelecterTest, NearestMayReturnADeadFirstEntry) {
    auto dead = add<MetalPile>(TypeMetalPile, 0, 50.0, 0.0);
    add<MetalPile>(TypeMetalPile, 0, 60.0, 0.0);
    dead->getContents().amounts[Metal] = 0;
    EXPECT_EQ(world().selectNearest({0.0, 0.0}), dead);
    EXPECT_EQ(world().selectNearestPileOfType(Metal, {0.0, 0.0})->getPosition().x, 60.0);
    EXPECT_EQ(ObjectSelecter().selectNearest({0.0, 0.0}), nullptr);
}

TEST_F(ObjectSelecterTest, QueriesNarrowByOwnerAndClassAndSkipTheDead) {
    auto worker = add<Worker>(TypeWorker, 1, 0.0, 0.0);
    auto deadWorker = add<Worker>(TypeWorker, 1, 0.0, 0.0);
    auto scout = add<Scout>(TypeScout, 1, 0.0, 0.0);
    add<Fighter>(TypeMarine, 2, 0.0, 0.0);
    deadWorker->takeDamage(40);
    EXPECT_EQ(*world().selectByOwner(1), (ObjectList{worker, scout}));
    const ObjectSelecter own(world().selectByOwner(1));
    EXPECT_EQ(*own.selectOfClass<Fightable>(), ObjectList{worker});
}

TEST_F(ObjectSelecterTest, ReceiversServeTheirOwnSideByKind) {
    auto enemyBase = add<TownCenter>(TypeBaseCenter, 2, 5.0, 0.0);
    auto ownBase = add<TownCenter>(TypeBaseCenter, 1, 8.0, 0.0);
    auto refinery = add<OilRafinery>(TypeOilRafinery, 1, 1.0, 0.0);
    EXPECT_EQ(world().selectNearestResourceReceiverOfType(Metal, 1, {9.0, 0.0}), ownBase);
    EXPECT_EQ(world().selectNearestResourceReceiverOfType(Metal, 1, {0.0, 0.0}), ownBase);
    EXPECT_EQ(world().selectNearestResourceReceiverOfType(Metal, 2, {9.0, 0.0}), enemyBase);
    EXPECT_EQ(world().selectNearestResourceReceiverOfType(VermilionOil, 1, {0.0, 0.0}), refinery);
    EXPECT_EQ(world().selectNearestResourceReceiverOfType(Metal, 0, {0.0, 0.0}), nullptr);
    add<OilPile>(TypeOilPile, 0, 70.0, 0.0);
    EXPECT_EQ(world().selectNearestPileOfType(VermilionOil, {0.0, 0.0})->getType(), TypeOilPile);
    EXPECT_EQ(world().selectNearestPileOfType(Metal, {0.0, 0.0}), nullptr);
}

TEST_F(ObjectSelecterTest, UnhandledKindsAreLoggedAndFindNothing) {
    add<TownCenter>(TypeBaseCenter, 1, 0.0, 0.0);
    EXPECT_EQ(world().selectNearestResourceReceiverOfType(2, 1, {0.0, 0.0}), nullptr);
    EXPECT_EQ(world().selectNearestPileOfType(-1, {0.0, 0.0}), nullptr);
    EXPECT_EQ(
        logCount("ERROR(1): Not implemented case in ObjectSelecter::selectNearestResourceReceiverOfType for "
                 "type = 2\n"),
        1);
    EXPECT_EQ(
        logCount("ERROR(2): Not implemented case in ObjectSelecter::selectNearestPileOfType for type = -1\n"),
        1);
}

TEST_F(ObjectSelecterTest, TheNearestEnemyIsAnAttackableObjectOfAnotherSide) {
    add<Fighter>(TypeMarine, 1, 1.0, 0.0);
    add<MetalPile>(TypeMetalPile, 0, 1.0, 0.0);
    auto site = std::make_shared<Construction>(
        std::make_unique<Barracks>(WorldObjectData{TypeBarracks, 2, 2.0, 0.0, nullptr}));
    world().addObject(site);
    auto far = add<Fighter>(TypeMarine, 2, 9.0, 0.0);
    add<Fighter>(TypeMarine, 0, -9.0, 0.0); // farther
    EXPECT_EQ(world().selectNearestEnemy(1, {0.0, 0.0}), far);
    site->workStep();
    EXPECT_EQ(world().selectNearestEnemy(1, {0.0, 0.0}), site);
    EXPECT_EQ(world().selectNearestEnemy(2, {0.0, 0.0})->getOwner(), 1);
}

} // namespace
