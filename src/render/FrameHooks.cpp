#include "render/FrameHooks.h"

void drawMenuOverlay() {}
