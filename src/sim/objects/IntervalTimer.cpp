#include "sim/objects/IntervalTimer.h"

bool IntervalTimer::due(int32_t now) {
    // A timer without a positive interval would be due forever and hang a caller that loops
    // while it is due; such a timer never fires.
    if (interval <= 0)
        return false;
    if (last < 0)
        last = now;
    // Wide arithmetic: intervals up to the largest int32 stand for "never".
    if (static_cast<int64_t>(last) + interval > now)
        return false;
    last += interval;
    return true;
}
