#include "support/FakePlatform.h"

namespace fakeplatform {

std::set<int> heldKeys;
platform::Point cursor;
platform::Rect client{0, 0, 800, 600};
uint32_t ticks = 0;
std::vector<RecordedMessageBox> messageBoxes;
std::vector<std::string> debugLines;
int quitRequests = 0;

void reset() {
    heldKeys.clear();
    cursor = {};
    client = {0, 0, 800, 600};
    ticks = 0;
    messageBoxes.clear();
    debugLines.clear();
    quitRequests = 0;
}

} // namespace fakeplatform

namespace platform {

bool acquireInstanceLock(const std::string&) {
    return true;
}
void releaseInstanceLock() {}
void showMessageBox(const std::string& text, const std::string& caption, MessageBoxIcon) {
    fakeplatform::messageBoxes.push_back({text, caption});
}
void setMessageBoxHandler(std::function<void(const std::string&, const std::string&, MessageBoxIcon)>) {}
bool createWindow(const std::string&, std::string& error) {
    error = "no windows in the fake platform";
    return false;
}
void destroyWindow() {}
bool peekMessage(Message&) {
    return false;
}
void postQuitMessage(int) {
    ++fakeplatform::quitRequests;
}
uint32_t tickCount() {
    return fakeplatform::ticks;
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
void debugOutput(const std::string& text) {
    fakeplatform::debugLines.push_back(text);
}

} // namespace platform
