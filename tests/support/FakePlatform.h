#pragma once

#include "platform/Platform.h"

#include <set>
#include <string>
#include <vector>

// A scriptable stand-in for the platform layer, for tests that need no window.
namespace fakeplatform {

struct RecordedMessageBox {
    std::string text;
    std::string caption;
};

extern std::set<int> heldKeys;
extern platform::Point cursor;
extern platform::Rect client;
extern uint32_t ticks;
extern std::vector<RecordedMessageBox> messageBoxes;
extern std::vector<std::string> debugLines;
extern int quitRequests;

void reset();

} // namespace fakeplatform
