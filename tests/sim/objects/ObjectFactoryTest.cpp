#include "sim/objects/ObjectFactory.h"

#include "sim/objects/IntervalTimer.h"
#include "sim/objects/MetalPile.h"
#include "support/SimulationTest.h"

namespace {

using ObjectFactoryTest = SimulationTest;

TEST_F(ObjectFactoryTest, TypesWithoutAFactoryAreRefusedWithALogLine) {
    for (WorldObjectType type : {3, 9, 10, -1}) {
        EXPECT_EQ(ObjectFactory::createObject(type, 1, 5.0, 5.0), nullptr) << type;
        EXPECT_EQ(logCount("WorldObjectType " + std::to_string(type) +
                           " not found in ObjectFactory::createObject\n"),
                  1);
    }
}

TEST_F(ObjectFactoryTest, APileWhosePileComesFirstStillBehavesAsAWorldObject) {
    std::shared_ptr<IWorldObject> pile = ObjectFactory::createObject(TypeMetalPile, 0, 12.5, 7.0);
    EXPECT_DOUBLE_EQ(pile->getPosition().x, 12.5);
    EXPECT_DOUBLE_EQ(pile->getPosition().z, 7.0);
    EXPECT_EQ(pile->getState(), "Metal Amount: 47");
    EXPECT_NE(dynamic_cast<MetalPile*>(pile.get()), nullptr);
}

TEST_F(ObjectFactoryTest, ModelsWearTheirOwnersColour) {
    recording.withModels = true;
    EXPECT_EQ(ObjectFactory::createObject(TypeMetalPile, 0, 0, 0)->getModel()->colour, 0xFFFFFFu);
    EXPECT_EQ(ObjectFactory::createObject(TypeWorker, 1, 0, 0)->getModel()->colour, 0xFF0000u);
    EXPECT_EQ(ObjectFactory::createObject(TypeWorker, 2, 0, 0)->getModel()->colour, 0x0000FFu);
    EXPECT_EQ(teamColour(7), 0u);
}

TEST(IntervalTimerTest, FirstActionComesOneIntervalAfterTheStartAndLateActionsCatchUp) {
    IntervalTimer timer{-1, 100};
    EXPECT_FALSE(timer.due(1000));
    EXPECT_FALSE(timer.due(1099));
    EXPECT_TRUE(timer.due(1100));
    EXPECT_FALSE(timer.due(1150));
    int actions = 0;
    while (timer.due(1450))
        ++actions;
    EXPECT_EQ(actions, 3);
    EXPECT_EQ(timer.last, 1400);
}

TEST(IntervalTimerTest, NeverAndZeroIntervalsNeverFire) {
    IntervalTimer never{-1, 2147483647};
    EXPECT_FALSE(never.due(5));
    EXPECT_FALSE(never.due(2000000000));
    IntervalTimer zero{-1, 0};
    EXPECT_FALSE(zero.due(10));
}

} // namespace
