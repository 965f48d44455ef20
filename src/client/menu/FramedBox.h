#pragma once

#include <cstdint>

// A translucent panel with a bevelled frame, spanning centreX +- halfWidth by centreY +- halfHeight:
// box_edge in the corners, box_border along the edges and a plain interior, all in `colour` (red in
// the lowest byte, then green, then blue) with the given alpha.
void drawFramedBox(int centreX, int centreY, int halfWidth, int halfHeight, uint8_t alpha, uint32_t colour);
