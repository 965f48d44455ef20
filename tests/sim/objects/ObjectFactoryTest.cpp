#include "sim/objects/ObjectFactory.h"

#include "sim/objects/IntervalTimer.h"
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

TEST(IntervalTimerTest, NeverAndZeroIntervalsNeverFire) {
    IntervalTimer never{-1, 2147483647};
    EXPECT_FALSE(never.due(5));
    EXPECT_FALSE(never.due(2000000000));
    IntervalTimer zero{-1, 0};
    EXPECT_FALSE(zero.due(10));
}

} // namespace
