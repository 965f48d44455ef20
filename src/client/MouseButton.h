#pragma once

#include "platform/Platform.h"

#include <cstdint>

// One mouse button, read once a frame. The frame that reads its press finds the mouse where the
// press was made, and the frame that reads its release where the release was made, though the
// cursor may have moved on: a quick click counts where it was made. Other frames find the cursor.
class MouseButton {
public:
    struct Reading {
        bool down = false;    // held, or pressed since the last frame
        bool wasDown = false; // in the frame before
        platform::Point at;   // client coordinates, y down
    };

    Reading read(int button);

private:
    bool wasDown_ = false;
    uint32_t press_ = 0; // the platform's count of the press being held
};
