#include "app/LoadingHooks.h"

void loadMenuArt() {}
void loadPanelArt() {}
void loadGameWorld() {}
void loadModels() {}
void loadSelectionCircle() {}
