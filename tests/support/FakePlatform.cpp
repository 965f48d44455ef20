#include "support/FakePlatform.h"

namespace fakeplatform {

std::set<int> heldKeys;
std::map<int, uint32_t> pressCounts;
platform::Point cursor;
std::map<int, std::pair<uint32_t, platform::Point>> pressedAt;
std::map<int, std::pair<uint32_t, platform::Point>> releasedAt;
platform::Rect client{0, 0, 800, 600};

void reset() {
    heldKeys.clear();
    pressCounts.clear();
    cursor = {};
    pressedAt.clear();
    releasedAt.clear();
    client = {0, 0, 800, 600};
}

namespace {

std::optional<platform::Point>
positionOf(const std::map<int, std::pair<uint32_t, platform::Point>>& positions, int button, uint32_t press) {
    const auto found = positions.find(button);
    if (found == positions.end() || found->second.first != press)
        return std::nullopt;
    return found->second.second;
}

} // namespace
} // namespace fakeplatform

// Only the functions the code under test calls: a test that reaches another one links the real
// platform in as well, and the duplicate definitions stop the link.
namespace platform {

void showMessageBox(const std::string&, const std::string&, MessageBoxIcon) {}
bool keyHeld(int virtualKey) {
    return fakeplatform::heldKeys.count(virtualKey) != 0;
}
uint32_t pressCount(int virtualKey) {
    const auto count = fakeplatform::pressCounts.find(virtualKey);
    return count == fakeplatform::pressCounts.end() ? 0 : count->second;
}
std::optional<Point> pressPosition(int button, uint32_t press) {
    return fakeplatform::positionOf(fakeplatform::pressedAt, button, press);
}
std::optional<Point> releasePosition(int button, uint32_t press) {
    return fakeplatform::positionOf(fakeplatform::releasedAt, button, press);
}
Point cursorPosition() {
    return fakeplatform::cursor;
}
Point screenToClient(Point screen) {
    return screen;
}
void setCursorPosition(Point screen) {
    fakeplatform::cursor = screen;
}
Rect clientRect() {
    return fakeplatform::client;
}
Rect windowRect() {
    return fakeplatform::client;
}
bool createGlContext(std::string& error) {
    error = "no OpenGL in the fake platform";
    return false;
}

} // namespace platform
