#include "app/GameHooks.h"

#include "app/Log.h"

void setupGame() {
    openLog();
}

void updateSimulation() {}

void shutdownGame() {}
