#pragma once

#include <cstdint>
#include <string>

// In 2-D mode: a line of text in the menu's font, `size` pixels high and centred on a dark band
// across the window whose middle is `middle` pixels up from the bottom.
void drawBanner(const std::string& text, uint8_t red, uint8_t green, uint8_t blue, int middle, int size);

// Half the height of that band: it reaches a little beyond the text above and below.
int bannerHalfHeight(int size);
