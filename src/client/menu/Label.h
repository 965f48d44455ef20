#pragma once

#include <string>

// A line of text on a page, its baseline at (x, y) relative to the page.
struct Label {
    std::string text;
    int x = 0;
    int y = 0;
};
