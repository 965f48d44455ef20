#include "sim/economy/GameSetup.h"
#include "sim/game/GameSettings.h"

#include "sim/objects/Fighter.h"
#include "support/SimulationTest.h"

#include <cmath>

namespace {

using GameSetupTest = SimulationTest;

TEST_F(GameSetupTest, TheEnemyMayStartWithFewerMarines) {
    runGameSetup(1000, 2);
    EXPECT_EQ(player(2).getPopulation(), 2);
    runGameSetup(1000, 0);
    EXPECT_EQ(player(2).getPopulation(), 2) << "a game without enemy Marines adds none";
}

TEST_F(GameSetupTest, EnemyMarinesStandAndWalkOnWholeCellsOfTheMap) {
    runGameSetup(1000, StandardEnemyMarines);
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

} // namespace
