#include "app/LoadingHooks.h"

void loadPanelArt() {}
