#include "sim/game/GameMap.h"

#include "sim/game/Game.h"

const World& gameMap() {
    return Game::current().map();
}

WorldPoint groundPoint(double z, double x) {
    return gameMap().groundPoint(z, x);
}
