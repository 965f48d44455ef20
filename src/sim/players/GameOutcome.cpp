#include "sim/players/GameOutcome.h"

#include "core/Log.h"
#include "sim/game/Game.h"
#include "sim/objects/Constructer.h"
#include "sim/objects/Construction.h"
#include "sim/objects/Fightable.h"
#include "sim/objects/IWorldObject.h"

namespace {

constexpr int32_t Human = 1;
constexpr int32_t Enemy = 2;

// What keeps a side in the game: anything that can be destroyed; in a skirmish, a building (a base
// centre, a Barracks or a site).
bool standing(const IWorldObject& object) {
    if (object.isDead())
        return false;
    if (Game::skirmish())
        return dynamic_cast<const Constructer*>(&object) || dynamic_cast<const Construction*>(&object);
    return dynamic_cast<const Fightable*>(&object) != nullptr;
}

} // namespace

void GameOutcome::judge(const ObjectList& objects) {
    if (current != Playing)
        return;
    bool humanStands = false;
    bool enemyStands = false;
    for (const auto& object : objects) {
        if (!standing(*object))
            continue;
        humanStands = humanStands || object->getOwner() == Human;
        enemyStands = enemyStands || object->getOwner() == Enemy;
        // Runs every pass: once both sides are seen standing, the rest cannot change the answer.
        if (humanStands && enemyStands)
            break;
    }
    humanPlaying = humanPlaying || humanStands;
    enemyPlaying = enemyPlaying || enemyStands;
    if (humanPlaying && !humanStands)
        current = Defeat;
    else if (enemyPlaying && !enemyStands)
        current = Victory;
    else
        return;
    Log << "Game over: " << (current == Victory ? "Victory" : "Defeat") << std::endl;
}
