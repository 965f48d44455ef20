#pragma once

#include "platform/Platform.h"

#include <cstdint>
#include <map>
#include <set>

// A scriptable stand-in for the platform layer, for tests that need no window.
namespace fakeplatform {

extern std::set<int> heldKeys;
extern std::map<int, uint32_t> pressCounts; // what platform::pressCount answers
extern platform::Point cursor;
extern platform::Rect client;

void reset();

} // namespace fakeplatform
