#pragma once

#include "core/Input.h"
#include "core/VirtualKey.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// Everything the game asks of the operating system, in the game's own (Win32) terms. One
// implementation per platform; this one is on SDL2 (SdlPlatform.cpp). Tests link a fake.
namespace platform {

// Window-procedure message codes the platform produces from its events.
enum MessageCode : uint32_t {
    MessageSize = 0x0005,     // lParam: width in the low word, height in the high word
    MessageActivate = 0x0006, // wParam low word: 0 inactive, 1 active
    MessagePaint = 0x000F,
    MessageClose = 0x0010,
    MessageQuit = 0x0012,
    MessageKeyDown = 0x0100,    // wParam: virtual-key code
    MessageChar = 0x0102,       // wParam: character code (ASCII, 0x08 for Backspace)
    MessageMouseWheel = 0x020A, // wParam high word: signed travel, WheelNotch (core/Input.h) a notch
};

struct Message {
    uint32_t code = 0;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;
};

struct Point {
    int32_t x = 0;
    int32_t y = 0;
};

struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// Single-instance guard named after the application title. False when another process holds it.
bool acquireInstanceLock(const std::string& name);
void releaseInstanceLock();

enum class MessageBoxIcon { Information, Error };
// A modal message box with an OK button; the text also goes to standard error as "caption: text".
// Tests install a handler that records instead.
void showMessageBox(const std::string& text, const std::string& caption, MessageBoxIcon icon);
void setMessageBoxHandler(
    std::function<void(const std::string&, const std::string&, MessageBoxIcon)> handler);

// SIGTERM and SIGINT. Once this is called they end the process at once: while the game starts
// there is nothing a clean exit would save, and a modal box or a long load must not hold it up.
void endOnTerminationSignals();
// From here on they end the main loop instead, with the next message, so the log is completed.
void closeOnTerminationSignals();

// Connects to the window system, X11 or Wayland; the game shows nothing anywhere else. On
// failure `error` says what is missing.
bool openDisplay(std::string& error);

// The window's size as the player chose it (none: the system's, maximised), and whether it fills
// the screen (at that size's display mode, or the desktop's).
struct WindowShape {
    int32_t width = 0;
    int32_t height = 0;
    bool fullscreen = false;

    bool operator==(const WindowShape&) const = default;
};

// The one game window: titled, resizable, maximised unless `shape` says otherwise. Sends the first
// size message itself. On failure `error` names what failed.
bool createWindow(const std::string& title, std::string& error, const WindowShape& shape = {});
// Gives the window the shape while the game runs; the size message follows from the system.
void setWindowShape(const WindowShape& shape);
// A window that is never shown, for tools that draw off screen; sends no messages.
bool createHiddenWindow(const std::string& title, std::string& error);
void destroyWindow();

// The pump: at most one event per call, turned into the message it stands for. False when none.
bool peekMessage(Message& message);
void postQuitMessage(int exitCode);

uint32_t tickCount();

// A VirtualKey, or a letter or digit by its upper-case ASCII code: held now, or pressed since the
// last pump, so a press released within one pass still counts once.
bool keyHeld(int virtualKey);
// How many presses of the key or mouse button the pumps have taken, a held key's repeats not
// counted: a press that follows a quick release is a new count, even if no read saw the key up.
uint32_t pressCount(int virtualKey);
// Where the cursor stood (screen coordinates) at a mouse button's press, numbered as `pressCount`
// numbers it, and at that press's release: a click made on the move counts where it was made, not
// where the cursor has gone by the time a frame reads the button. None for a press the window did
// not see (made over another window) or a release still to come.
std::optional<Point> pressPosition(int button, uint32_t press);
std::optional<Point> releasePosition(int button, uint32_t press);
Point cursorPosition(); // screen coordinates
Point screenToClient(Point screen);
void setCursorPosition(Point screen);
Rect clientRect(); // origin (0, 0), the drawable size
Rect windowRect(); // screen coordinates, borders included where known

// OpenGL: double buffered RGBA with 32 colour bits and the closest depth buffer to 32 bits.
// On failure `error` names what failed.
bool createGlContext(std::string& error);
void swapBuffers();

// Dynamic libraries (the OpenAL survey).
void* loadLibrary(const std::string& name);
void* libraryFunction(void* library, const std::string& name);
void freeLibrary(void* library);

// The debugger output; standard error on this platform.
void debugOutput(const std::string& text);

} // namespace platform
