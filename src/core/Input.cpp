#include "core/Input.h"

int32_t ClientWidth = 0;
int32_t ClientHeight = 0;
int32_t AppActive = 0;
uint8_t KeyLatch[256] = {};

bool latchPress(int virtualKey, bool held) {
    uint8_t& latch = KeyLatch[virtualKey & 0xFF];
    if (held && latch == 0) {
        latch = 1;
        return true;
    }
    if (!held)
        latch = 0;
    return false;
}
