#pragma once

// The in-game frame: the render context's scene function, called once per active pass.
void drawFrame();
