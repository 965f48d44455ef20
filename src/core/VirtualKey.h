#pragma once

// The game's names for the keys and mouse buttons it reads, numbered as Win32 virtual-key codes;
// letters and digits are their upper-case ASCII codes. The platform maps its own codes to these.
enum VirtualKey : int {
    KeyLeftButton = 0x01,
    KeyRightButton = 0x02,
    KeyBackspace = 0x08,
    KeyControl = 0x11, // either Ctrl key
    KeyEscape = 0x1B,
    KeyHome = 0x24,
    KeyLeft = 0x25,
    KeyUp = 0x26,
    KeyRight = 0x27,
    KeyDown = 0x28,
    KeyDelete = 0x2E,
};
