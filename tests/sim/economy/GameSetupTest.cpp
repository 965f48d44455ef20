#include "sim/economy/GameSetup.h"

#include "sim/manager/SimulationPass.h"

#include "sim/objects/Construction.h"
#include "sim/objects/Fighter.h"
#include "support/SimulationTest.h"

#include <cmath>

namespace {

using GameSetupTest = SimulationTest;

TEST_F(GameSetupTest, TheTestChargeIsRefusedAndLoggedMetalFirst) {
    runGameSetup();
    EXPECT_EQ(describe(player(1).getResources()), "(500,100)");
    const std::string log = logText();
    const auto metal = log.find("RSS MESSAGE Not enough Metal (have 500, needed 600)\n");
    const auto oil = log.find("RSS MESSAGE Not enough Vermilion Oil (have 100, needed 105)\n");
    ASSERT_NE(metal, std::string::npos);
    ASSERT_NE(oil, std::string::npos);
    EXPECT_LT(metal, oil);
    EXPECT_EQ(logCount("RSS MESSAGE Unit Marine created\n"), 16);
    EXPECT_EQ(logCount("RSS MESSAGE Unit Worker created\n"), 2);
    EXPECT_EQ(logCount("RSS MESSAGE Unit MetalPile created\n"), 0)
        << "only the playing sides are listened to";
}

TEST_F(GameSetupTest, TheStartingScenarioStandsInItsOrder) {
    runGameSetup();
    std::vector<WorldObjectType> types;
    for (const auto& object : world().getObjects())
        types.push_back(object->getType());
    std::vector<WorldObjectType> expected{TypeConstruction, TypeMarine};
    expected.insert(expected.end(), 15, TypeMarine);
    expected.insert(expected.end(),
                    {TypeMetalPile, TypeOilPile, TypeOilRafinery, TypeWorker, TypeMetalPile, TypeWorker});
    EXPECT_EQ(types, expected);
    EXPECT_EQ(player(1).getPopulation(), 5); // the site, the first Marine, the refinery, two Workers
    EXPECT_EQ(player(2).getPopulation(), 15);
    EXPECT_EQ(player(0).getPopulation(), 3);

    auto marine = std::dynamic_pointer_cast<Fighter>(*std::next(world().getObjects().begin()));
    ASSERT_TRUE(marine);
    EXPECT_EQ(marine->getOwner(), 1);
    EXPECT_DOUBLE_EQ(marine->getDestinationX(), 80.0);
    EXPECT_TRUE(marine->isMoving());
    auto site = std::dynamic_pointer_cast<Construction>(world().getObjects().front());
    ASSERT_TRUE(site);
    EXPECT_EQ(site->getName(), "Barracks (Construction)");
}

TEST_F(GameSetupTest, TheEnemyMayStartWithFewerMarines) {
    runGameSetup(2);
    EXPECT_EQ(player(2).getPopulation(), 2);
    runGameSetup(0);
    EXPECT_EQ(player(2).getPopulation(), 2) << "a game without enemy Marines adds none";
}

TEST_F(GameSetupTest, EnemyMarinesStandAndWalkOnWholeCellsOfTheMap) {
    runGameSetup();
    const auto enemies = world().selectByOwner(2);
    for (const auto& object : *enemies) {
        auto marine = std::dynamic_pointer_cast<Fighter>(object);
        ASSERT_TRUE(marine);
        for (double value : {marine->getPosition().x, marine->getPosition().z, marine->getDestinationX(),
                             marine->getDestinationZ()}) {
            EXPECT_GE(value, 0.0);
            EXPECT_LE(value, 199.0);
            EXPECT_EQ(value, std::floor(value));
        }
    }
}

TEST_F(GameSetupTest, TheSameCalendarTimeGivesTheSameGame) {
    runGameSetup();
    std::vector<double> first;
    const auto firstEnemies = world().selectByOwner(2);
    for (const auto& object : *firstEnemies)
        first.push_back(object->getPosition().x);
    destroySimulation();
    runGameSetup();
    std::vector<double> second;
    const auto secondEnemies = world().selectByOwner(2);
    for (const auto& object : *secondEnemies)
        second.push_back(object->getPosition().x);
    EXPECT_EQ(first, second);
}

} // namespace
