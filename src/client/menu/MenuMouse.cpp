#include "client/menu/MenuMouse.h"

#include "client/KeyPress.h"
#include "client/MouseButton.h"
#include "core/Input.h"
#include "core/VirtualKey.h"

platform::Point menuMouse() {
    return inWindow(platform::cursorPosition());
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
