#include "app/LoadingHooks.h"

void loadMenuArt() {}
void loadPanelArt() {}
