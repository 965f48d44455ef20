#include "sim/objects/Barracks.h"
#include "sim/objects/Fighter.h"
#include "sim/objects/TownCenter.h"
#include "sim/objects/Worker.h"
#include "support/SimulationTest.h"

namespace {

class TrainingTest : public SimulationTest {
protected:
    std::unique_ptr<IWorldObject> marine(int32_t owner = 1) {
        return std::make_unique<Fighter>(WorldObjectData{TypeMarine, owner, 0.0, 0.0, nullptr});
    }
    std::unique_ptr<IWorldObject> worker(int32_t owner = 1) {
        return std::make_unique<Worker>(WorldObjectData{TypeWorker, owner, 0.0, 0.0, nullptr});
    }
};

TEST_F(TrainingTest, QueuedMarinesLeaveEveryTwoSecondsAfterTheFirstUpdate) {
    auto barracks = add<Barracks>(TypeBarracks, 1, 50.0, 50.0);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(barracks->addToQueue(marine()));
    EXPECT_EQ(logCount(" added to construction queue: "), 3);
    EXPECT_EQ(player(1).getResources().metal(), 500 - 3 * 60);
    EXPECT_EQ(player(1).getResources().oil(), 100 - 3 * 20);

    std::vector<int32_t> trained;
    runFrame(100); // the training timer starts here
    while (gameClock().now() < 7000) {
        const int before = logCount(" constructed: ");
        runFrame(100);
        if (logCount(" constructed: ") > before)
            trained.push_back(gameClock().now() - 100);
    }
    EXPECT_EQ(trained, (std::vector<int32_t>{2000, 4000, 6000}));
    EXPECT_EQ(player(1).getPopulation(), 4);
}

TEST_F(TrainingTest, MarinesWalkToTheRallyPointAndWorkersStayAtTheirBuilding) {
    auto barracks = add<Barracks>(TypeBarracks, 1, 50.0, 50.0);
    auto townCenter = add<TownCenter>(TypeBaseCenter, 1, 90.0, 90.0);
    townCenter->moveTo(95.0, 80.0); // a new rally point
    barracks->addToQueue(marine());
    townCenter->addToQueue(worker());
    townCenter->addToQueue(marine());
    runFor(2010, 10);

    const auto& objects = world().getObjects();
    ASSERT_EQ(objects.size(), 4u);
    auto trainedMarine = std::dynamic_pointer_cast<Fighter>(*std::next(objects.begin(), 2));
    auto trainedWorker = std::dynamic_pointer_cast<Worker>(*std::next(objects.begin(), 3));
    ASSERT_TRUE(trainedMarine && trainedWorker);
    EXPECT_TRUE(trainedMarine->isMoving());
    EXPECT_DOUBLE_EQ(trainedMarine->getDestinationX(), 47.0);
    EXPECT_DOUBLE_EQ(trainedMarine->getDestinationZ(), 42.0);
    EXPECT_DOUBLE_EQ(trainedWorker->getPosition().x, 90.0);
    EXPECT_DOUBLE_EQ(trainedWorker->getPosition().z, 90.0 + Constructer::DoorDistance) << "at the door";
    EXPECT_FALSE(trainedWorker->fighterLegs().isMoving());

    runFor(2000, 10);
    auto secondMarine = std::dynamic_pointer_cast<Fighter>(world().getObjects().back());
    ASSERT_TRUE(secondMarine);
    EXPECT_DOUBLE_EQ(secondMarine->getDestinationX(), 95.0);
    EXPECT_DOUBLE_EQ(secondMarine->getDestinationZ(), 80.0);
}

TEST_F(TrainingTest, AnOrderThatCannotBePaidOrFindsTheQueueFullIsRefused) {
    auto barracks = add<Barracks>(TypeBarracks, 1, 50.0, 50.0);
    MessageRecorder messages(player(1));
    player(1).getResources().amounts = {100, 10};
    EXPECT_FALSE(barracks->addToQueue(marine()));
    EXPECT_EQ(barracks->getQueue().size(), 0u);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].first, "Not enough Vermilion Oil (have 10, needed 20)");
    EXPECT_EQ(logCount(" added to construction queue: "), 0);

    // A full queue refuses the sixteenth order without charging for it.
    player(1).getResources().amounts = {10000, 10000};
    for (int i = 0; i < 15; ++i)
        ASSERT_TRUE(barracks->addToQueue(marine()));
    EXPECT_FALSE(barracks->addToQueue(marine()));
    EXPECT_EQ(barracks->getQueue().size(), 15u);
    EXPECT_EQ(player(1).getResources().metal(), 10000 - 15 * 60);
    EXPECT_EQ(player(1).getResources().oil(), 10000 - 15 * 20);
}

TEST_F(TrainingTest, TheTrainingTextShowsTheFrontUnitAndTheQueueAndALongFrameCatchesUp) {
    auto barracks = add<Barracks>(TypeBarracks, 1, 50.0, 50.0);
    EXPECT_EQ(barracks->getState(), "NOP");
    barracks->addToQueue(marine());
    barracks->addToQueue(marine());
    runFrame(10);
    runFrame(1000);
    EXPECT_EQ(barracks->getState(), "Construction of Marine in progress: 50 Queue.size=2");
    runFrame(3000); // both Marines fall due within this frame
    EXPECT_EQ(logCount(" constructed: "), 2);
    EXPECT_EQ(barracks->getState(), "NOP");
}

TEST_F(TrainingTest, ABuildingThatDiesLosesItsQueueWithoutRefund) {
    auto barracks = add<Barracks>(TypeBarracks, 1, 50.0, 50.0);
    barracks->addToQueue(marine());
    const int deletedBefore = logCount(" deleted.\n");
    barracks->takeDamage(500);
    runFrame(10);
    EXPECT_TRUE(world().getObjects().empty());
    EXPECT_EQ(barracks->getQueue().size(), 0u);
    EXPECT_EQ(logCount(" deleted.\n"), deletedBefore + 1) << "the queued Marine is destroyed";
    EXPECT_EQ(player(1).getResources().metal(), 440);
}

} // namespace
