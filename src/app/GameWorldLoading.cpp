// The loading sequence's map step.
#include "app/LoadingHooks.h"
#include "manager/MapObjects.h"
#include "world/WorldLoader.h"

void loadGameWorld() {
    loadWorld("data\\maps\\motac.ktqw", addMapObject);
}
