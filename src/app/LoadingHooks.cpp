#include "app/LoadingHooks.h"

void loadMenuArt() {}
void loadGameWorld() {}
void loadModels() {}
void loadSelectionCircle() {}
