#include "sim/objects/Barracks.h"
#include "sim/objects/Construction.h"
#include "sim/objects/Scout.h"
#include "sim/objects/UnitResponseSwitch.h"
#include "sim/objects/Worker.h"
#include "support/SimulationTest.h"

namespace {

using MovementTest = SimulationTest;

TEST_F(MovementTest, AWalkEndsShortOfItsGoalInALongFrameAndAtOnceOnItsOwnSpot) {
    auto worker = add<Worker>(TypeWorker, 1, 0.0, 0.0);
    worker->moveTo(10.0, 0.0);
    runFrame(600);
    // Steps of 40 ms (0.8 cells): twelve of them, and the thirteenth would pass the goal.
    EXPECT_NEAR(worker->getPosition().x, 9.6, 1e-9);
    EXPECT_FALSE(worker->fighterLegs().isMoving());

    // An order to the own position ends at the first step.
    worker->moveTo(worker->getPosition().x, worker->getPosition().z);
    runFrame(16);
    EXPECT_FALSE(worker->fighterLegs().isMoving());
}

TEST_F(MovementTest, AWorkerReachesItsSiteEvenWhenFramesAreSlow) {
    auto site = std::make_shared<Construction>(
        std::make_unique<Barracks>(WorldObjectData{TypeBarracks, 1, 20.0, 0.0, nullptr}));
    world().addObject(site);
    auto builder = add<Worker>(TypeWorker, 1, 0.0, 0.0);
    builder->actOn(site);
    runFor(3000, 150);
    EXPECT_GT(site->getProgress(), 1) << "the builder came within reach of the site";
}

TEST_F(MovementTest, AWorkerStepsTwoCellsInA100MillisecondFrameAndItsModelFacesTheStep) {
    recording.withModels = true;
    auto worker = add<Worker>(TypeWorker, 1, 0.0, 0.0);
    worker->moveTo(-10.0, 0.0);
    runFrame(100);
    EXPECT_NEAR(worker->getPosition().x, -2.0, 1e-9);
    EXPECT_TRUE(worker->fighterLegs().isMoving());
    EXPECT_FLOAT_EQ(worker->getModel()->direction[0], -2.0f);
    EXPECT_FLOAT_EQ(worker->getModel()->direction[2], 0.0f);
}

TEST_F(MovementTest, MoveAcknowledgementOnlyWhileTheSwitchIsOn) {
    auto worker = add<Worker>(TypeWorker, 1, 0.0, 0.0);
    worker->moveTo(5.0, 5.0);
    EXPECT_TRUE(recording.moveAcknowledgements.empty());
    UnitResponseSwitch::setOn();
    worker->moveTo(6.0, 6.0);
    UnitResponseSwitch::setOff();
    EXPECT_EQ(recording.moveAcknowledgements, std::vector<int>{TypeWorker});
}

TEST_F(MovementTest, AScoutIgnoresOrders) {
    auto scout = add<Scout>(TypeScout, 1, 3.0, 3.0);
    auto other = add<Scout>(TypeScout, 2, 9.0, 9.0);
    scout->moveTo(50.0, 50.0);
    scout->actOn(other);
    runFor(1000, 100);
    EXPECT_DOUBLE_EQ(scout->getPosition().x, 3.0);
    EXPECT_FALSE(scout->isMoving());
}

} // namespace
