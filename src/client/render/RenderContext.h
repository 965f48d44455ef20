#pragma once

#include <string>

// The one OpenGL context and the two function slots filled when it is created.
struct RenderContext {
    bool windowReady = false;          // the projection functions do nothing until the context exists
    void (*LoadFunction)() = nullptr;  // the loading sequence, run once inside createContext
    void (*SceneFunction)() = nullptr; // the in-game frame, called by the main loop every active pass
};

extern RenderContext renderContext;

// Creates the context, fills the two slots, runs the loading sequence and sets the perspective
// view. On failure returns false and `error` names what failed.
bool createContext(void (*load)(), void (*scene)(), std::string& error);

// Viewport and perspective (45 degrees, near 0.01, far 2000) from the current client rectangle.
// An empty client area (a minimised window) leaves the projection as it was.
void resizeView();

// 2-D pixel coordinates with (0, 0) at the lower left; saves both matrices. Interface drawing
// always passes the depth test in between.
void enterOrthoMode();
void leaveOrthoMode();

// The initial GL state, set at the start of the loading sequence.
void setInitialGlState();
