#pragma once

#include "client/render/Font.h"

// The game's two fonts, loaded during the loading sequence.
extern Font interfaceFont; // the interface panel's read-outs and descriptions
extern Font menuFont;      // the menu and the loading screen

bool loadInterfaceFont(); // "data\fonts\arial.ttf" at 32 pixels
bool loadMenuFont();      // "data\fonts\hyperion.ttf" at 48 pixels
