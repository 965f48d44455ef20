#include "support/FakePlatform.h"

namespace fakeplatform {

std::set<int> heldKeys;
platform::Point cursor;
platform::Rect client{0, 0, 800, 600};

void reset() {
    heldKeys.clear();
    cursor = {};
    client = {0, 0, 800, 600};
}

} // namespace fakeplatform

namespace platform {

bool acquireInstanceLock(const std::string&) {
    return true;
}
void releaseInstanceLock() {}
void showMessageBox(const std::string&, const std::string&, MessageBoxIcon) {}
void setMessageBoxHandler(std::function<void(const std::string&, const std::string&, MessageBoxIcon)>) {}
bool createWindow(const std::string&, std::string& error) {
    error = "no windows in the fake platform";
    return false;
}
void destroyWindow() {}
bool peekMessage(Message&) {
    return false;
}
void postQuitMessage(int) {}
uint32_t tickCount() {
    return 0;
}
bool keyHeld(int virtualKey) {
    return fakeplatform::heldKeys.count(virtualKey) != 0;
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
void swapBuffers() {}
void* loadLibrary(const std::string&) {
    return nullptr;
}
void* libraryFunction(void*, const std::string&) {
    return nullptr;
}
void freeLibrary(void*) {}
void debugOutput(const std::string&) {}

} // namespace platform
