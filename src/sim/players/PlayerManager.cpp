#include "sim/players/PlayerManager.h"

#include "core/Log.h"
#include "sim/game/Game.h"

#include <stdexcept>

PlayerManager* PlayerManager::getInstance() {
    return &Game::current().players();
}

PlayerManager::PlayerManager() {
    Log << "PlayerManager created." << std::endl;
    addPlayer("Gaia");
    addPlayer("Tolvanek");
    addPlayer("Rudmarel");
}

PlayerManager::~PlayerManager() {
    for (auto& player : players)
        player.reset();
    Log << "PlayerManager destroyed." << std::endl;
}

int32_t PlayerManager::addPlayer(const std::string& name) {
    const auto id = static_cast<int32_t>(players.size());
    players.push_back(std::make_unique<Player>(id, name));
    return id;
}

Player& PlayerManager::getPlayer(int32_t id) {
    if (id < 0 || id >= playerCount())
        throw std::out_of_range("invalid vector<T> subscript");
    return *players[static_cast<std::size_t>(id)];
}

void PlayerManager::update() {
    for (auto& player : players)
        player->update();
}
