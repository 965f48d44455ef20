#pragma once

#include <string>

// A label in the menu font at size 32, baseline at (x, y), that acts as a button: under the mouse
// its colour pulses between white and cyan. True on the left button's press edge over it.
bool textButton(int x, int y, const std::string& label);
