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
        platform::Point at;   // window pixels, y up
    };

    Reading read(int button);

private:
    bool wasDown_ = false;
    uint32_t press_ = 0; // the platform's count of the press being held
};

// A point of the screen in window pixels, with y counted up from the bottom as the game draws.
platform::Point inWindow(const platform::Point& screen);
