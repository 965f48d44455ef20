#pragma once

#include "client/menu/Checkbox.h"
#include "client/menu/DropDownList.h"
#include "client/menu/Label.h"
#include "client/menu/Slider.h"
#include "client/menu/TextField.h"
#include "client/render/SelectionRect.h"
#include "client/render/Texture.h"

#include <string>
#include <vector>

// A picture on a page, its lower-left corner at (x, y) relative to the page; a frame with nothing in it
// while the picture has no texture.
struct PagePicture {
    int x = 0;
    int y = 0;
    int size = 128;
    const Texture* texture = nullptr;
};

// A framed page of option widgets that slides down from the top of the window. One page at most is
// the current one, and only that one is drawn.
struct OptionsPage {
    float y = 0.0f; // the page box's bottom edge
    int height = 0;
    std::string title;
    std::vector<Checkbox> checkboxes;
    std::vector<DropDownList> dropDownLists;
    std::vector<Label> labels;
    std::vector<Slider> sliders;
    std::vector<TextField> textFields;
    std::vector<PagePicture> pictures; // under the open lists

    // Makes this the current page, starting just above the window's top edge.
    void open();
    bool current() const;
    // The page's frame in the window where it now is; its widgets are placed from the lower-left corner.
    WindowArea frame() const;
    // Draws and polls the page and its widgets if it is the current one.
    void draw();
};

// The current page's frame, where it covers the menu's columns in a narrow window; an empty area
// while no page is open.
WindowArea currentPageFrame();

// The page's half width in a window `windowWidth` wide: the window less 270 pixels on each side,
// or, where that is too narrow, as wide as the page's widgets need (`contentWidth`) while the
// window holds it, but never so narrow that the page's frame would fold over itself.
int pageHalfWidth(int windowWidth, int contentWidth);
