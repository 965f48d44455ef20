#include "support/SimulationTest.h"

#include <stdexcept>

namespace {

using PlayerManagerTest = SimulationTest;

TEST_F(PlayerManagerTest, AnIdThatIsNotAPlayersIsRefused) {
    EXPECT_THROW(PlayerManager::getInstance()->getPlayer(3), std::out_of_range);
    EXPECT_THROW(PlayerManager::getInstance()->getPlayer(-1), std::out_of_range);
}

} // namespace
