#include "support/FakePlatform.h"

namespace fakeplatform {

std::set<int> heldKeys;
std::map<int, uint32_t> pressCounts;
platform::Point cursor;
platform::Rect client{0, 0, 800, 600};

void reset() {
    heldKeys.clear();
    pressCounts.clear();
    cursor = {};
    client = {0, 0, 800, 600};
}

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
