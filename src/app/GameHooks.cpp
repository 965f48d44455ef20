#include "app/GameHooks.h"

#include "client/render/ScreenMessages.h"
#include "core/FrameClock.h"
#include "sim/economy/GameSetup.h"
#include "sim/manager/SimulationPass.h"
#include "sim/players/PlayerManager.h"

namespace {

void showMessage(const std::string& text, Player::MessageType /*kind*/) {
    screenMessages.add(text, TotalMilliseconds);
}

} // namespace

// The human player's messages from the first pass on appear over the scene; those of the set-up
// itself (its starting units) only reach the log.
void setupGame(int32_t enemyMarines) {
    runGameSetup(enemyMarines);
    PlayerManager::getInstance()->getPlayer(1).messageSignal.connect(&showMessage);
}

void updateSimulation() {
    runSimulationPass();
}

void shutdownGame() {
    destroySimulation();
}
