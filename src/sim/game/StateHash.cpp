#include "sim/game/StateHash.h"

#include "core/Fnv1a.h"
#include "sim/game/Game.h"
#include "sim/manager/ObjectManager.h"
#include "sim/objects/Fightable.h"
#include "sim/players/PlayerManager.h"

namespace {

void addObjects(Fnv1a& hash, const ObjectManager& objects) {
    hash.addValue(objects.getObjects().size());
    for (const auto& object : objects.getObjects()) {
        const GridPosition position = object->getPosition();
        hash.addValue(object->getType());
        hash.addValue(object->getOwner());
        hash.addValue(position.x);
        hash.addValue(position.z);
        hash.addValue(object->isDead());
        if (const auto* fightable = dynamic_cast<const Fightable*>(object.get())) {
            hash.addValue(fightable->getHp());
            hash.addValue(fightable->getMaxHp());
        }
    }
    hash.addValue(objects.projectileCount());
}

void addPlayers(Fnv1a& hash, PlayerManager& players) {
    for (int32_t id = 0; id < players.playerCount(); ++id) {
        Player& player = players.getPlayer(id);
        hash.addValue(player.getResources().metal());
        hash.addValue(player.getResources().oil());
        hash.addValue(player.getPopulation());
        hash.addValue(player.getSelection().size());
    }
    hash.addValue(static_cast<int32_t>(players.getOutcome().result()));
}

} // namespace

uint64_t hashGameState() {
    Game& game = Game::current();
    Fnv1a hash;
    hash.addValue(game.clock().now());
    hash.addValue(game.passes());
    hash.addValue(game.random().fingerprint());
    addObjects(hash, game.objects());
    addPlayers(hash, game.players());
    return hash.value();
}
