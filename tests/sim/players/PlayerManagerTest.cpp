#include "sim/objects/MetalPile.h"
#include "sim/objects/Worker.h"
#include "support/SimulationTest.h"

#include <stdexcept>

namespace {

using PlayerManagerTest = SimulationTest;

TEST_F(PlayerManagerTest, AnIdThatIsNotAPlayersIsRefused) {
    EXPECT_THROW(PlayerManager::getInstance()->getPlayer(3), std::out_of_range);
    EXPECT_THROW(PlayerManager::getInstance()->getPlayer(-1), std::out_of_range);
}

TEST_F(PlayerManagerTest, PopulationAndUnitMessagesFollowTheWorld) {
    MessageRecorder gaia(player(0));
    MessageRecorder tolvanek(player(1));
    auto worker = add<Worker>(TypeWorker, 1, 0.0, 0.0);
    add<MetalPile>(TypeMetalPile, 0, 5.0, 5.0);
    EXPECT_EQ(player(1).getPopulation(), 1);
    EXPECT_EQ(player(0).getPopulation(), 1);
    EXPECT_EQ(player(2).getPopulation(), 0);
    ASSERT_EQ(tolvanek.messages.size(), 1u);
    EXPECT_EQ(tolvanek.messages[0], std::make_pair(std::string("Unit Worker created"), Player::UnitCreated));
    EXPECT_EQ(gaia.messages[0].first, "Unit MetalPile created");

    worker->takeDamage(40);
    runFrame(16);
    EXPECT_EQ(player(1).getPopulation(), 0);
    EXPECT_EQ(tolvanek.messages.back(),
              std::make_pair(std::string("Unit Worker deleted"), Player::UnitDeleted));
}

} // namespace
