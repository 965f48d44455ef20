#include "client/MouseButton.h"

#include "core/Input.h"

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
    reading.at = inWindow(made.value_or(platform::cursorPosition()));
    return reading;
}

platform::Point inWindow(const platform::Point& screen) {
    const platform::Point client = platform::screenToClient(screen);
    return {client.x, ClientHeight - client.y};
}
