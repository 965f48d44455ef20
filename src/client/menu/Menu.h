#pragma once

#include "client/menu/MenuButton.h"
#include "client/render/SelectionRect.h"

#include <string>
#include <vector>

// A column of menu buttons that slide in from one side of the window, one after another.
class Menu {
public:
    // Button i rests at y = windowHeight - 108 - 108 i, and follows the window's height as it is
    // drawn. Each gets its own sound source on the swish sound's buffer. The menu starts hidden.
    void create(const std::vector<std::string>& labels, bool leftSide, int windowHeight);

    // Visible again, every button back at its start outside the window, button i 100 i pixels
    // further out, so that they slide in one after another.
    void show();
    void hide();
    bool visible() const { return visible_; }

    // Draws, slides and polls every button while the menu is visible; the caller has blending on. The
    // mouse in `covered` is not on any button: an open page drawn over the column there takes it.
    void draw(const WindowArea& covered = {});

    // Whether the button was clicked since the last call; clears the flag.
    bool takeClick(size_t button);

    const std::vector<MenuButton>& buttons() const { return buttons_; }

private:
    float startX(size_t button) const;

    std::vector<MenuButton> buttons_;
    bool visible_ = false;
    bool leftSide_ = true;
};
