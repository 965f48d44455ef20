#pragma once

#include <string>

// A check box with its label to the right; x and y are relative to its page.
struct Checkbox {
    int x = 0;
    int y = 0;
    std::string label;
    bool checked = false;
};

// Draws the box at its place on the page whose lower-left corner is (pageLeft, pageBottom); a
// click on the box toggles it.
void drawCheckbox(Checkbox& checkbox, int pageLeft, int pageBottom);

// From the box's left edge to the end of its label.
int checkboxWidth(const Checkbox& checkbox);
