#pragma once

// One frame of the front-end menu, drawn over the whole window while the menu is on: backdrop,
// title, then either the open message boxes alone or the menus and the current page, and the
// actions of the buttons clicked. The caller presents the frame.
void drawMenuScene();
