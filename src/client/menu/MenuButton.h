#pragma once

#include "client/sound/SoundSource.h"

#include <string>

// One sliding button of a menu: a 256 x 128 image with its label.
struct MenuButton {
    float x = 0.0f; // the image's lower-left corner
    float y = 0.0f;
    SoundSource sound;    // its own source playing the swish sound's buffer
    bool leftSide = true; // enters from the left (the main menu) or from the right
    std::string label;
    bool clicked = false; // set by a click, cleared by whoever acts on it
};

// Where a button is after one frame's slide of `step` pixels toward its resting place, and whether
// it came into view in that frame (its swish plays then).
struct MenuButtonSlide {
    float x = 0.0f;
    bool enteredView = false;
};
MenuButtonSlide slideMenuButton(float x, bool leftSide, float windowWidth, float step);
