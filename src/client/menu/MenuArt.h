#pragma once

#include "client/render/Texture.h"

// The menu's pictures, loaded once by the menu set-up.
struct MenuArt {
    Texture buttonOn;  // a menu button under the mouse
    Texture buttonOff; // a menu button otherwise
    Texture boxEdge;   // the framed box's corner
    Texture boxBorder; // the framed box's edge
    Texture checkboxOn;
    Texture checkboxOff;
    Texture fieldEdge;   // the end cap of drop-down and text fields
    Texture fieldBorder; // the middle of drop-down and text fields
    Texture arrowDown;
    Texture slider;     // the knob
    Texture sliderBar;  // the track
    Texture background; // held only while the menu shows (holdMenuBackground)
};

extern MenuArt menuArt;

// Everything under "data\textures\menu\", linearly filtered; the pieces drawn over others have
// black transparent. A missing picture is reported and stays empty.
void loadMenuArt();

// The background is the largest of the pictures and only the menu shows it, so a game in play does
// not hold it: the frame gives it back while the menu is closed, the menu scene loads it again when
// it draws. A background that could not be loaded is reported once, not at every opening.
void holdMenuBackground(bool menuShown);
