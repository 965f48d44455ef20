#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// The backdrop, what a frame draws first (the cleared window, the ground, the sky, and whatever
// else stands still), stays the same from frame to frame while the camera holds still, and drawing
// it is most of a frame in a software renderer. Once a view and the backdrop's contents have lasted
// two frames, the backdrop is drawn into a framebuffer of ours and kept; while they stay, each frame
// copies its colours and depth into the window, in one copy, and draws the rest of the frame there.
// A moving camera draws into the window as before. A different view, window size, clear colour or
// contents draws the backdrop afresh; the picture is the same to the pixel either way.
class BackdropCache {
public:
    // Starts the frame's 3-D scene in the window with the backdrop in place, colours and depth.
    // `contents` tells apart what `draw` draws beyond the view's own: a change draws it afresh.
    void begin(const std::function<void()>& draw, std::vector<uint64_t> contents);

    // Drops the kept backdrop, once what it shows has changed (a map or a sky loaded).
    void forget();

private:
    struct View {
        float modelView[16];
        float projection[16];
        int32_t viewport[4];
        float clearColour[4];
        int32_t windowSize[2];
    };
    struct Framebuffer {
        uint32_t name = 0;
        uint32_t colours = 0;
        uint32_t depth = 0;
    };

    static View currentView();
    static bool sameView(const View& a, const View& b);
    bool makeFramebuffer(int32_t width, int32_t height);

    View lastView_{};
    View keptView_{};
    std::vector<uint64_t> lastContents_;
    std::vector<uint64_t> keptContents_;
    bool kept_ = false;
    bool unusable_ = false; // no framebuffer of ours matches the window: draw into it every frame
    Framebuffer backdrop_;
    int32_t width_ = 0;
    int32_t height_ = 0;
};

extern BackdropCache backdropCache;
