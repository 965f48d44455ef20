#include "app/LoadingHooks.h"

void loadPanelArt() {}
void loadGameWorld() {}
void loadModels() {}
void loadSelectionCircle() {}
