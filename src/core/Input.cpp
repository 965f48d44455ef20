#include "core/Input.h"

#include "core/VirtualKey.h"

int32_t ClientWidth = 0;
int32_t ClientHeight = 0;
int32_t AppActive = 0;
KeyLatchState KeyLatch[256] = {};
bool MouseButtonsSwapped = false;

int selectButton() {
    return MouseButtonsSwapped ? KeyRightButton : KeyLeftButton;
}

int orderButton() {
    return MouseButtonsSwapped ? KeyLeftButton : KeyRightButton;
}

namespace {
int wheelTravel = 0;
}

bool latchPress(int virtualKey, bool held, uint32_t press) {
    KeyLatchState& latch = KeyLatch[virtualKey & 0xFF];
    if (held && (!latch.set || latch.press != press)) {
        latch = {true, press};
        return true;
    }
    if (!held)
        latch.set = false;
    return false;
}

void addWheelTravel(int travel) {
    wheelTravel += travel;
}

int takeWheelNotches() {
    const int notches = wheelTravel / WheelNotch;
    wheelTravel -= notches * WheelNotch;
    return notches;
}
