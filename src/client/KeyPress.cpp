#include "client/KeyPress.h"

#include "core/Input.h"
#include "platform/Platform.h"

bool keyPressed(int virtualKey) {
    return latchPress(virtualKey, platform::keyHeld(virtualKey), platform::pressCount(virtualKey));
}
