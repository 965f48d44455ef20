#include "render/FrameHooks.h"

void drawInterfacePanel() {}
void drawMenuOverlay() {}
