#include "client/panel/PanelButtons.h"

#include <algorithm>

std::array<PanelButton, PanelButtonCount> panelButtons;

void showPanelButton(int slot) {
    if (slot >= 0 && slot < PanelButtonCount)
        panelButtons[static_cast<std::size_t>(slot)].visible = true;
}

void hidePanelButtons() {
    for (PanelButton& button : panelButtons) {
        button.visible = false;
        button.pressed = false;
        button.clicked = false;
    }
}

bool takePanelClick(int slot) {
    if (slot < 0 || slot >= PanelButtonCount)
        return false;
    PanelButton& button = panelButtons[static_cast<std::size_t>(slot)];
    const bool clicked = button.clicked;
    button.clicked = false;
    return clicked;
}

bool isMouseOver(const PanelButton& button, const PanelMouse& mouse) {
    return mouse.x >= button.x && mouse.x < button.x + PanelButton::Size && mouse.y >= button.y &&
           mouse.y < button.y + PanelButton::Size;
}

bool shownButtonAt(int32_t x, int32_t y) {
    const PanelMouse point{x, y, false, false};
    return std::any_of(panelButtons.begin(), panelButtons.end(), [&](const PanelButton& button) {
        return button.visible && isMouseOver(button, point);
    });
}

bool trackPanelButton(PanelButton& button, const PanelMouse& mouse) {
    if (!button.pressed) {
        button.pressed = mouse.leftDown && !mouse.leftWasDown && isMouseOver(button, mouse);
        return button.pressed;
    }
    if (!mouse.leftDown) {
        button.pressed = false;
        button.clicked = isMouseOver(button, mouse);
    }
    return false;
}
