#include "client/MouseButton.h"

#include <optional>

MouseButton::Reading MouseButton::read(int button) {
    Reading reading;
    reading.down = platform::keyHeld(button);
    reading.wasDown = wasDown_;
    wasDown_ = reading.down;
    std::optional<platform::Point> made;
    if (reading.down && !reading.wasDown) {
        press_ = platform::pressCount(button);
        made = platform::pressPosition(button, press_);
    } else if (!reading.down && reading.wasDown) {
        made = platform::releasePosition(button, press_);
    }
    reading.at = platform::screenToClient(made.value_or(platform::cursorPosition()));
    return reading;
}
