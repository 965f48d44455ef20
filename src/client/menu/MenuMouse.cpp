#include "client/menu/MenuMouse.h"

#include "client/KeyPress.h"
#include "client/MouseButton.h"
#include "core/Input.h"
#include "core/VirtualKey.h"

namespace {
MouseButton leftButton;
platform::Point mouseThisFrame;
} // namespace

void readMenuMouse() {
    mouseThisFrame = leftButton.read(KeyLeftButton).at;
}

platform::Point menuMouse() {
    return mouseThisFrame;
}

bool leftButtonHeld() {
    return platform::keyHeld(KeyLeftButton);
}

bool leftPressOn(bool hovered) {
    return hovered && keyPressed(KeyLeftButton);
}
