#include "SimDump.h"

#include "sim/manager/ObjectManager.h"
#include "sim/objects/Fightable.h"
#include "sim/players/PlayerManager.h"

#include <cstdio>

void dumpWorld(std::ostream& out) {
    std::size_t index = 0;
    for (const auto& object : ObjectManager::getInstance()->getObjects()) {
        const auto* fightable = dynamic_cast<const Fightable*>(object.get());
        const GridPosition position = object->getPosition();
        char coordinates[64];
        std::snprintf(coordinates, sizeof coordinates, "%.3f %.3f", position.x, position.z);
        out << "object " << index++ << " " << object->getType() << " " << object->getOwner() << " "
            << coordinates << " " << (fightable ? fightable->getHp() : 0) << " "
            << (fightable ? fightable->getMaxHp() : 0) << "\n";
    }
    PlayerManager* players = PlayerManager::getInstance();
    for (int32_t id = 0; id < players->playerCount(); ++id) {
        Player& player = players->getPlayer(id);
        out << "player " << id << " " << player.getResources().metal() << " " << player.getResources().oil()
            << " " << player.getPopulation() << "\n";
    }
}
