#include "client/menu/MenuMouse.h"

#include "client/KeyPress.h"
#include "core/Input.h"
#include "core/VirtualKey.h"

platform::Point menuMouse() {
    const platform::Point client = platform::screenToClient(platform::cursorPosition());
    return {client.x, ClientHeight - client.y};
}

int cursorScreenX() {
    return platform::cursorPosition().x;
}

bool leftButtonHeld() {
    return platform::keyHeld(KeyLeftButton);
}

bool leftPressOn(bool hovered) {
    return hovered && keyPressed(KeyLeftButton);
}
