#pragma once

#include "platform/Platform.h"

#include <cstdint>
#include <map>
#include <set>
#include <utility>

// A scriptable stand-in for the platform layer, for tests that need no window.
namespace fakeplatform {

extern std::set<int> heldKeys;
extern std::map<int, uint32_t> pressCounts; // what platform::pressCount answers
extern platform::Point cursor;
// What platform::pressPosition and releasePosition answer, by button: the press's count and where.
extern std::map<int, std::pair<uint32_t, platform::Point>> pressedAt;
extern std::map<int, std::pair<uint32_t, platform::Point>> releasedAt;
extern platform::Rect client;

void reset();

} // namespace fakeplatform
