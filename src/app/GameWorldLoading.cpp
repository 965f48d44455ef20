// The loading sequence's map step.
#include "app/LoadingHooks.h"
#include "client/terrain/WorldLoader.h"
#include "sim/manager/MapObjects.h"

void loadGameWorld() {
    loadWorld("data\\maps\\motac.ktqw", addMapObject);
}
