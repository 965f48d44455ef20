#pragma once

// The menu's one-time set-up, early in the loading sequence: the menu font (which the loading
// screen prints with), sound, the message box slots, the menu art and sounds, the menus and pages.
void setUpMenu();
