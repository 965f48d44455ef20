#pragma once

#include "client/render/Texture.h"

#include <array>
#include <cstdint>
#include <string>

// One command button of the interface panel: a 48 x 48 icon with its lower-left corner at (x, y).
struct PanelButton {
    static constexpr int32_t Size = 48;

    int32_t x = 0;
    int32_t y = 0;
    const Texture* icon = nullptr;
    std::string description;
    bool visible = false;
    bool pressed = false; // the left button went down over it and is still down
    bool clicked = false; // a press was released over it; cleared by its consumer
};

// The mouse as the panel reads it once a frame: window pixels with y counted upward, and the left
// button now and in the frame before.
struct PanelMouse {
    int32_t x = 0;
    int32_t y = 0;
    bool leftDown = false;
    bool leftWasDown = false;
};

// The panel's 50 slots; the slot number is also the order code (5 trains a Worker, 6 a Marine).
constexpr int PanelButtonCount = 50;
extern std::array<PanelButton, PanelButtonCount> panelButtons;

void showPanelButton(int slot);
// Clears visible, pressed and clicked of every slot.
void hidePanelButtons();
// Reads and clears a slot's clicked flag.
bool takePanelClick(int slot);

bool isMouseOver(const PanelButton& button, const PanelMouse& mouse);
// Whether a shown button lies under the point (window pixels, y upward).
bool shownButtonAt(int32_t x, int32_t y);
// One frame of a button's press and click: the left button going down over it presses it (a press
// that began elsewhere never does), and the release clicks it only if the mouse is still over it.
// True in the frame the button is pressed.
bool trackPanelButton(PanelButton& button, const PanelMouse& mouse);
