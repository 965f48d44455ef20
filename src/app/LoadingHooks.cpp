#include "app/LoadingHooks.h"

void loadMenuArt() {}
