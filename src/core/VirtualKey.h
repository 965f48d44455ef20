#pragma once

// The game's names for the keys and mouse buttons it reads, numbered as Win32 virtual-key codes;
// letters and digits are their upper-case ASCII codes. The platform maps its own codes to these.
enum VirtualKey : int {
    KeyLeftButton = 0x01,
    KeyRightButton = 0x02,
    KeyBackspace = 0x08,
    KeyEscape = 0x1B,
    KeyLeft = 0x25,
    KeyRight = 0x27,
    KeyDelete = 0x2E,
};
