#include "sim/objects/Fighter.h"
#include "sim/objects/Scout.h"
#include "sim/objects/Worker.h"
#include "support/SimulationTest.h"

namespace {

using ObjectManagerTest = SimulationTest;

TEST_F(ObjectManagerTest, ADeadObjectIsAnnouncedBeforeItLetsGoOfWhatItHolds) {
    auto marine = add<Fighter>(TypeMarine, 1, 0.0, 0.0);
    auto enemy = add<Fighter>(TypeMarine, 2, 5.0, 0.0);
    marine->setTarget(enemy);
    std::vector<std::string> seen;
    boost::signals2::scoped_connection connection = world().objectRemoved.connect([&](IWorldObject* object) {
        seen.push_back(object->getName() + " owner " + std::to_string(object->getOwner()) +
                       (marine->getTarget() ? " holding" : " released"));
    });
    marine->takeDamage(60);
    runFrame(10);
    EXPECT_EQ(seen, std::vector<std::string>{"Marine owner 1 holding"});
    EXPECT_EQ(marine->getTarget(), nullptr);
    EXPECT_EQ(world().getObjects().size(), 1u);
}

TEST_F(ObjectManagerTest, TheManagerHoldsTheLastReferenceOfAnObjectNobodyElseKeeps) {
    world().addObject(std::make_unique<Scout>(WorldObjectData{TypeScout, 1, 0.0, 0.0, nullptr}));
    auto worker =
        world().addObject(std::make_unique<Worker>(WorldObjectData{TypeWorker, 1, 0.0, 0.0, nullptr}));
    EXPECT_EQ(world().addObject(nullptr), nullptr);
    EXPECT_EQ(world().getObjects().size(), 2u);
    dynamic_cast<Worker&>(*worker).takeDamage(40);
    worker.reset();
    runFrame(10);
    EXPECT_EQ(world().getObjects().size(), 1u);
    EXPECT_EQ(logCount(" deleted.\n"), 1);
}

} // namespace
