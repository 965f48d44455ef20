#pragma once

// The frame's three toggles, all off at start.
struct FrameToggles {
    bool freeCamera = false;      // U: the mouse and W, S, A, D fly the camera
    bool menuVisible = false;     // Escape: the menu over the sky instead of the game view
    bool showPickingPass = false; // K: the colour-picking render is shown instead of the picture
};

extern FrameToggles frameToggles;

// The in-game frame, the render context's scene function, called once per active pass: the
// scene, the 2-D overlay, the buffer swap, and the mouse turned into selections and orders.
void drawFrame();

// Sets whether each object the frame drew is visible for picking, as a frame that picks does before
// its picking pass: its box's occlusion test against the ground's depth, drawn again. Finds the
// ground cell at the window pixel (y up) where the player clicked, which a move order goes to, on
// the way.
void testVisibilityForPicking(int groundX, int groundY);
