#pragma once

// True once per press of a key or mouse button the platform reports held: the press-edge rule of
// core/Input.h over the key's state now. `virtualKey` is a VirtualKey or a letter's upper-case code.
bool keyPressed(int virtualKey);
