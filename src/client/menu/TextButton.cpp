#include "client/menu/TextButton.h"

#include "client/menu/MenuMouse.h"
#include "client/render/Fonts.h"
#include "core/FrameClock.h"

#include <GL/glew.h>

#include <cmath>
#include <cstdint>

namespace {

float pulsePhase = 0.0f; // degrees, shared by every text button

uint8_t pulseRed(float phase) {
    return static_cast<uint8_t>(128 - static_cast<int>(-127.0 * std::sin(phase * 3.1415 / 180.0)));
}

} // namespace

bool textButton(int x, int y, const std::string& label) {
    const int w = textWidth(menuFont, label, 32);
    const platform::Point mouse = menuMouse();
    const bool hovered = x <= mouse.x && mouse.x <= x + w && y <= mouse.y && mouse.y <= y + 32;
    if (hovered) {
        pulsePhase = std::fmod(pulsePhase + 540.0f * DeltaSeconds, 360.0f);
        glColor3ub(pulseRed(pulsePhase), 255, 255);
    } else {
        glColor3ub(255, 255, 255);
    }
    print(menuFont, label, x, y, 32, false);
    return leftPressOn(hovered);
}
