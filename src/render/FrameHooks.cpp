#include "render/FrameHooks.h"

void drawInterfacePanel() {}
