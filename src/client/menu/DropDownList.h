#pragma once

#include "platform/Platform.h"

#include <string>
#include <vector>

// A labelled field showing the selected item; its arrow opens the list of items below it. At most
// one list in the program is open at a time.
struct DropDownList {
    int x = 20; // relative to its page
    int y = 0;
    int width = 250; // drawn at least 32 wide
    std::string label;
    std::vector<std::string> items;
    int selected = 0;
    bool open = false;

    static bool anyOpen;

    void close();
};

// From the list's left edge to the end of its field or of its label, whichever is further.
int dropDownWidth(const DropDownList& list);

// Draws the list at its place on the page whose lower-left corner is (pageLeft, pageBottom) and
// polls the mouse: the arrow opens it, a click on a row selects that item, and the list closes as
// soon as the mouse leaves it.
void drawDropDownList(DropDownList& list, int pageLeft, int pageBottom);

// The open list's geometry: rows of 32 pixels hang below the field, whose bottom edge is at fieldY.
// The row under the mouse, or -1.
int dropDownRowAt(int left, int fieldY, int width, int count, platform::Point mouse);
// Whether the mouse is on the field or on one of the rows.
bool insideOpenDropDown(int left, int fieldY, int width, int count, platform::Point mouse);
