#include "client/menu/MenuMouse.h"

#include "core/Input.h"

platform::Point menuMouse() {
    const platform::Point client = platform::screenToClient(platform::cursorPosition());
    return {client.x, ClientHeight - client.y};
}

int cursorScreenX() {
    return platform::cursorPosition().x;
}

bool leftButtonHeld() {
    return platform::keyHeld(platform::KeyLeftButton);
}

bool leftPressOn(bool hovered) {
    return hovered && keyPressed(platform::KeyLeftButton);
}
