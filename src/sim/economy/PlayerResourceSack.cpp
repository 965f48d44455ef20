#include "sim/economy/PlayerResourceSack.h"

#include "sim/economy/ResourceNames.h"
#include "sim/players/PlayerManager.h"

bool PlayerResourceSack::pay(const ResourceSack& cost) {
    if (ResourceSack::pay(cost))
        return true;
    Player& player = PlayerManager::getInstance()->getPlayer(playerId);
    for (int kind = 0; kind < ResourceKindCount; ++kind) {
        if (amounts[kind] >= cost.amounts[kind])
            continue;
        player.messageSignal("Not enough " + getResourceName(kind) + " (have " +
                                 std::to_string(amounts[kind]) + ", needed " +
                                 std::to_string(cost.amounts[kind]) + ")",
                             Player::NotEnoughResources);
    }
    return false;
}
