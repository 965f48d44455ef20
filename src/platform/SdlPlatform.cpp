// The platform layer on SDL2 and POSIX. Nothing else in the game includes SDL or system headers.
#include "platform/Platform.h"

#include <SDL.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <optional>

namespace platform {

namespace {

int instanceLockFile = -1;
SDL_Window* window = nullptr;
SDL_GLContext glContext = nullptr;
Uint32 quitEventType = 0;
// Messages that one SDL event stands for beyond the first (several typed characters), and the
// messages the system sends on its own when the window is created.
std::deque<Message> pending;
std::function<void(const std::string&, const std::string&, MessageBoxIcon)> messageBoxHandler;
// The keys and buttons pressed since the game last read them, by virtual-key code: a press released
// before the game reads the key still counts as held for that pass, as the pressed-since-last-call
// bit of an asynchronous key state does. A pass without a frame (the window inactive) reads none,
// so the presses wait for the next frame.
bool pressedInLastPump[256] = {};
uint32_t pressTotals[256] = {};
bool pressesRead = false;
// The cursor at the last press of each mouse button, by its count, and at that press's release.
struct ButtonPositions {
    uint32_t press = 0;
    std::optional<Point> pressedAt;
    std::optional<Point> releasedAt;
};
ButtonPositions leftButton;
ButtonPositions rightButton;
volatile std::sig_atomic_t closeOnTermination = 0;
volatile std::sig_atomic_t terminationRequested = 0;

// The list of the main thread's child processes, named before any signal can come.
char childrenListPath[64] = "";

// Passes the signal on to the main thread's children: SDL shows a message box from a child process
// of its own, which would otherwise stay on the screen after the game. Only calls that are safe in
// a signal handler.
void signalChildren(int signal) {
    const int list = ::open(childrenListPath, O_RDONLY | O_CLOEXEC);
    if (list < 0)
        return;
    char text[1024];
    const ssize_t length = ::read(list, text, sizeof text);
    ::close(list);
    pid_t child = 0;
    for (ssize_t i = 0; i < length; ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            child = child * 10 + (text[i] - '0');
            continue;
        }
        if (child > 0)
            ::kill(child, signal);
        child = 0;
    }
}

extern "C" void onTerminationSignal(int signal) {
    if (closeOnTermination) {
        terminationRequested = 1;
        return;
    }
    signalChildren(signal);
    // Dies of the signal itself, so the parent sees why the game ended.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

bool hasEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

std::string lockFilePath(const std::string& name) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string folder = (runtime && *runtime) ? runtime : "/tmp";
    std::string file = name;
    for (char& c : file)
        if (c == '/')
            c = '_';
    return folder + "/" + file + ".lock";
}

intptr_t packSize(int width, int height) {
    return static_cast<intptr_t>((static_cast<uint32_t>(width) & 0xFFFF) |
                                 ((static_cast<uint32_t>(height) & 0xFFFF) << 16));
}

Message sizeMessage() {
    int width = 0, height = 0;
    if (window)
        SDL_GL_GetDrawableSize(window, &width, &height);
    return {MessageSize, 0, packSize(width, height)};
}

int virtualKeyOf(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z)
        return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9)
        return '0' + (key - SDLK_0);
    switch (key) {
    case SDLK_ESCAPE:
        return KeyEscape;
    case SDLK_LEFT:
        return KeyLeft;
    case SDLK_HOME:
        return KeyHome;
    case SDLK_UP:
        return KeyUp;
    case SDLK_RIGHT:
        return KeyRight;
    case SDLK_DOWN:
        return KeyDown;
    case SDLK_DELETE:
        return KeyDelete;
    case SDLK_RETURN:
        return 0x0D;
    case SDLK_TAB:
        return 0x09;
    case SDLK_SPACE:
        return 0x20;
    default:
        return 0;
    }
}

SDL_Scancode scancodeOf(int virtualKey) {
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return static_cast<SDL_Scancode>(SDL_SCANCODE_A + (virtualKey - 'A'));
    if (virtualKey >= '1' && virtualKey <= '9')
        return static_cast<SDL_Scancode>(SDL_SCANCODE_1 + (virtualKey - '1'));
    switch (virtualKey) {
    case '0':
        return SDL_SCANCODE_0;
    case KeyEscape:
        return SDL_SCANCODE_ESCAPE;
    case KeyBackspace:
        return SDL_SCANCODE_BACKSPACE;
    case KeyLeft:
        return SDL_SCANCODE_LEFT;
    case KeyHome:
        return SDL_SCANCODE_HOME;
    case KeyUp:
        return SDL_SCANCODE_UP;
    case KeyRight:
        return SDL_SCANCODE_RIGHT;
    case KeyDown:
        return SDL_SCANCODE_DOWN;
    case KeyDelete:
        return SDL_SCANCODE_DELETE;
    case 0x0D:
        return SDL_SCANCODE_RETURN;
    case 0x20:
        return SDL_SCANCODE_SPACE;
    default:
        return SDL_SCANCODE_UNKNOWN;
    }
}

// Turns one SDL event into the window message it stands for; events without one become the
// null message, which the window procedure passes on.
Message translate(const SDL_Event& event) {
    if (event.type == quitEventType)
        return {MessageQuit, static_cast<uintptr_t>(event.user.code), 0};
    switch (event.type) {
    case SDL_QUIT:
        return {MessageClose, 0, 0};
    case SDL_WINDOWEVENT:
        switch (event.window.event) {
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            return sizeMessage();
        case SDL_WINDOWEVENT_MINIMIZED:
            return {MessageSize, 0, 0};
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            return {MessageActivate, 1, 0};
        case SDL_WINDOWEVENT_FOCUS_LOST:
            return {MessageActivate, 0, 0};
        case SDL_WINDOWEVENT_EXPOSED:
            return {MessagePaint, 0, 0};
        case SDL_WINDOWEVENT_CLOSE:
            return {MessageClose, 0, 0};
        default:
            return {};
        }
    case SDL_KEYDOWN:
        if (event.key.keysym.sym == SDLK_BACKSPACE)
            return {MessageChar, KeyBackspace, 0};
        return {MessageKeyDown, static_cast<uintptr_t>(virtualKeyOf(event.key.keysym.sym)), 0};
    case SDL_MOUSEWHEEL: {
        int notches = event.wheel.y;
        if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED)
            notches = -notches;
        const auto travel = static_cast<uint16_t>(static_cast<int16_t>(notches * WheelNotch));
        return {MessageMouseWheel, static_cast<uintptr_t>(travel) << 16, 0};
    }
    case SDL_TEXTINPUT: {
        Message first{};
        for (const char* c = event.text.text; *c; ++c) {
            const auto byte = static_cast<unsigned char>(*c);
            if (byte > 127)
                continue;
            Message character{MessageChar, byte, 0};
            if (first.code == 0)
                first = character;
            else
                pending.push_back(character);
        }
        return first;
    }
    default:
        return {};
    }
}

ButtonPositions* positionsOf(int button) {
    switch (button) {
    case KeyLeftButton:
        return &leftButton;
    case KeyRightButton:
        return &rightButton;
    }
    return nullptr;
}

int virtualKeyOfButton(Uint8 button) {
    switch (button) {
    case SDL_BUTTON_LEFT:
        return KeyLeftButton;
    case SDL_BUTTON_RIGHT:
        return KeyRightButton;
    }
    return 0;
}

// A point of the window on the screen.
Point onScreen(int x, int y) {
    Point at{x, y};
    if (window) {
        int windowX = 0, windowY = 0;
        SDL_GetWindowPosition(window, &windowX, &windowY);
        at.x += windowX;
        at.y += windowY;
    }
    return at;
}

// A mouse button event's place, in screen coordinates like the cursor's.
void noteButtonPosition(const SDL_MouseButtonEvent& event) {
    const int button = virtualKeyOfButton(event.button);
    ButtonPositions* positions = positionsOf(button);
    if (positions == nullptr)
        return;
    const Point at = onScreen(event.x, event.y);
    if (event.type == SDL_MOUSEBUTTONDOWN)
        *positions = {pressTotals[button], at, std::nullopt};
    else
        positions->releasedAt = at;
}

// Called by SDL for every event as the pump takes it from the system, before the queue.
int notePress(void* /*unused*/, SDL_Event* event) {
    int virtualKey = 0;
    if (event->type == SDL_KEYDOWN && !event->key.repeat)
        virtualKey = virtualKeyOf(event->key.keysym.sym);
    else if (event->type == SDL_MOUSEBUTTONDOWN)
        virtualKey = virtualKeyOfButton(event->button.button);
    if (virtualKey > 0 && virtualKey < 256) {
        pressedInLastPump[virtualKey] = true;
        ++pressTotals[virtualKey];
    }
    if (event->type == SDL_MOUSEBUTTONDOWN || event->type == SDL_MOUSEBUTTONUP)
        noteButtonPosition(event->button);
    // Ctrl+1 typed quickly is released before the game reads it: the key remembers its Ctrl.
    if (event->type == SDL_KEYDOWN && (event->key.keysym.mod & KMOD_CTRL) != 0)
        pressedInLastPump[KeyControl] = true;
    return 1;
}

bool createWindowWithDepth(const std::string& title, int depthBits, Uint32 flags, const WindowShape& shape) {
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, depthBits);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);

    SDL_Rect usable{0, 0, 1024, 768};
    SDL_GetDisplayUsableBounds(0, &usable);
    if (shape.width > 0 && shape.height > 0) {
        usable.w = shape.width;
        usable.h = shape.height;
    }
    window =
        SDL_CreateWindow(title.c_str(), usable.x, usable.y, usable.w, usable.h, SDL_WINDOW_OPENGL | flags);
    return window != nullptr;
}

bool openWindow(const std::string& title, Uint32 flags, std::string& error, const WindowShape& shape = {}) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        error = SDL_GetError();
        return false;
    }
    quitEventType = SDL_RegisterEvents(1);
    SDL_AddEventWatch(notePress, nullptr);
    // Ask for 32 depth bits and take the closest the driver offers, as a pixel-format choice would.
    for (int depth : {32, 24, 16})
        if (createWindowWithDepth(title, depth, flags, shape))
            break;
    if (!window) {
        error = SDL_GetError();
        return false;
    }
    return true;
}

// SDL refreshes the global mouse state only on raw input events, which X does not send for every
// change (none while a button is held over the window, none for synthetic input); the window's own
// mouse events always come while the mouse is over it, or held down on it.
bool mouseOverWindow() {
    return window && SDL_GetMouseFocus() == window;
}

} // namespace

void endOnTerminationSignals() {
    // SDL's own handlers would only queue a quit event, which nothing reads before the main loop.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    closeOnTermination = 0;
    const int pid = static_cast<int>(::getpid());
    std::snprintf(childrenListPath, sizeof childrenListPath, "/proc/%d/task/%d/children", pid, pid);
    for (int signal : {SIGTERM, SIGINT}) {
        struct sigaction action {};
        action.sa_handler = onTerminationSignal;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, nullptr);
    }
}

void closeOnTerminationSignals() {
    closeOnTermination = 1;
}

bool openDisplay(std::string& error) {
    // Without a window system SDL falls back on drivers that draw nowhere: the game would run unseen.
    if (!hasEnvironment("DISPLAY") && !hasEnvironment("WAYLAND_DISPLAY")) {
        error = "neither DISPLAY nor WAYLAND_DISPLAY is set";
        return false;
    }
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        error = SDL_GetError();
        return false;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver && (std::strcmp(driver, "x11") == 0 || std::strcmp(driver, "wayland") == 0))
        return true;
    error = std::string("no X11 or Wayland display answered (SDL chose its ") + (driver ? driver : "no") +
            " video driver)";
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    return false;
}

bool acquireInstanceLock(const std::string& name) {
    const std::string path = lockFilePath(name);
    instanceLockFile = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (instanceLockFile < 0)
        return true; // no place for a lock: do not refuse to run
    if (::flock(instanceLockFile, LOCK_EX | LOCK_NB) != 0) {
        ::close(instanceLockFile);
        instanceLockFile = -1;
        return false;
    }
    return true;
}

void releaseInstanceLock() {
    if (instanceLockFile < 0)
        return;
    ::flock(instanceLockFile, LOCK_UN);
    ::close(instanceLockFile);
    instanceLockFile = -1;
}

void setMessageBoxHandler(
    std::function<void(const std::string&, const std::string&, MessageBoxIcon)> handler) {
    messageBoxHandler = std::move(handler);
}

void showMessageBox(const std::string& text, const std::string& caption, MessageBoxIcon icon) {
    if (messageBoxHandler) {
        messageBoxHandler(text, caption, icon);
        return;
    }
    // Standard error keeps the message too: in a terminal it outlives the box, and with no display
    // it is the only place it shows.
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    const Uint32 flags = icon == MessageBoxIcon::Error ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
    SDL_ShowSimpleMessageBox(flags, caption.c_str(), text.c_str(), nullptr);
}

namespace {

// Full screen at the shape's size takes the display mode nearest to it; without a size, the desktop.
void enterFullscreen(const WindowShape& shape) {
    SDL_DisplayMode wanted{0, shape.width, shape.height, 0, nullptr};
    SDL_DisplayMode nearest{};
    if (shape.width > 0 && SDL_GetClosestDisplayMode(0, &wanted, &nearest)) {
        SDL_SetWindowDisplayMode(window, &nearest);
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN);
        return;
    }
    SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
}

} // namespace

bool createWindow(const std::string& title, std::string& error, const WindowShape& shape) {
    const bool sized = shape.width > 0 && shape.height > 0;
    const Uint32 maximised = sized ? 0u : static_cast<Uint32>(SDL_WINDOW_MAXIMIZED);
    if (!openWindow(title, SDL_WINDOW_RESIZABLE | maximised, error, shape))
        return false;
    if (shape.fullscreen)
        enterFullscreen(shape);
    // The system sends the first size and, on showing, the activation.
    pending.push_back(sizeMessage());
    pending.push_back({MessageActivate, 1, 0});
    return true;
}

void setWindowShape(const WindowShape& shape) {
    if (!window)
        return;
    if (shape.fullscreen) {
        enterFullscreen(shape);
        return;
    }
    SDL_SetWindowFullscreen(window, 0);
    if (shape.width > 0 && shape.height > 0) {
        SDL_RestoreWindow(window);
        SDL_SetWindowSize(window, shape.width, shape.height);
    } else {
        SDL_MaximizeWindow(window);
    }
}

bool createHiddenWindow(const std::string& title, std::string& error) {
    return openWindow(title, SDL_WINDOW_HIDDEN, error);
}

void destroyWindow() {
    if (glContext)
        SDL_GL_DeleteContext(glContext);
    glContext = nullptr;
    if (window)
        SDL_DestroyWindow(window);
    window = nullptr;
    SDL_Quit();
}

bool peekMessage(Message& message) {
    // A termination request goes before the events waiting in the queue: on a slow machine a game
    // that takes one event a frame can have minutes of input queued.
    if (terminationRequested) {
        terminationRequested = 0;
        message = {MessageQuit, 0, 0};
        return true;
    }
    if (!pending.empty()) {
        message = pending.front();
        pending.pop_front();
        return true;
    }
    // The game polls the keys and the mouse every pass, so their state must follow the input even
    // while events wait in the queue (a poll alone pumps only once the queue has drained). Motion
    // events carry nothing the window procedure uses; dropping them keeps the queue short.
    if (pressesRead)
        std::fill(std::begin(pressedInLastPump), std::end(pressedInLastPump), false);
    pressesRead = false;
    SDL_PumpEvents();
    SDL_FlushEvent(SDL_MOUSEMOTION);
    SDL_Event event;
    if (!SDL_PollEvent(&event))
        return false;
    message = translate(event);
    return true;
}

void postQuitMessage(int exitCode) {
    SDL_Event event{};
    event.type = quitEventType;
    event.user.code = exitCode;
    SDL_PushEvent(&event);
}

uint32_t tickCount() {
    return SDL_GetTicks();
}

bool keyHeld(int virtualKey) {
    pressesRead = true;
    if (virtualKey > 0 && virtualKey < 256 && pressedInLastPump[virtualKey])
        return true;
    if (virtualKey == KeyLeftButton || virtualKey == KeyRightButton) {
        // As for the cursor: the window's own button events are the sure source over the window.
        const Uint32 buttons = mouseOverWindow() ? SDL_GetMouseState(nullptr, nullptr)
                                                 : SDL_GetGlobalMouseState(nullptr, nullptr);
        const bool held =
            (buttons & (virtualKey == KeyLeftButton ? SDL_BUTTON_LMASK : SDL_BUTTON_RMASK)) != 0;
        // Held, though the last press the window saw has come up: this one was made over another
        // window, and no place the window saw belongs to it.
        ButtonPositions* positions = positionsOf(virtualKey);
        if (held && positions->releasedAt)
            *positions = {};
        return held;
    }
    if (virtualKey == KeyControl)
        return (SDL_GetModState() & KMOD_CTRL) != 0;
    const SDL_Scancode scancode = scancodeOf(virtualKey);
    if (scancode == SDL_SCANCODE_UNKNOWN)
        return false;
    return SDL_GetKeyboardState(nullptr)[scancode] != 0;
}

uint32_t pressCount(int virtualKey) {
    return virtualKey > 0 && virtualKey < 256 ? pressTotals[virtualKey] : 0;
}

std::optional<Point> pressPosition(int button, uint32_t press) {
    const ButtonPositions* positions = positionsOf(button);
    return positions && positions->press == press ? positions->pressedAt : std::nullopt;
}

std::optional<Point> releasePosition(int button, uint32_t press) {
    const ButtonPositions* positions = positionsOf(button);
    return positions && positions->press == press ? positions->releasedAt : std::nullopt;
}

Point cursorPosition() {
    Point p;
    if (!mouseOverWindow()) {
        SDL_GetGlobalMouseState(&p.x, &p.y);
        return p;
    }
    SDL_GetMouseState(&p.x, &p.y);
    return onScreen(p.x, p.y);
}

Point screenToClient(Point screen) {
    int x = 0, y = 0;
    if (window)
        SDL_GetWindowPosition(window, &x, &y);
    return {screen.x - x, screen.y - y};
}

void setCursorPosition(Point screen) {
    if (!window)
        return;
    const Point client = screenToClient(screen);
    SDL_WarpMouseInWindow(window, client.x, client.y);
}

Rect clientRect() {
    int width = 0, height = 0;
    if (window)
        SDL_GL_GetDrawableSize(window, &width, &height);
    return {0, 0, width, height};
}

Rect windowRect() {
    if (!window)
        return {};
    int x = 0, y = 0, width = 0, height = 0;
    int top = 0, left = 0, bottom = 0, right = 0;
    SDL_GetWindowPosition(window, &x, &y);
    SDL_GetWindowSize(window, &width, &height);
    SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right);
    return {x - left, y - top, x + width + right, y + height + bottom};
}

bool createGlContext(std::string& error) {
    if (!window) {
        error = "no window";
        return false;
    }
    glContext = SDL_GL_CreateContext(window);
    if (!glContext) {
        error = SDL_GetError();
        return false;
    }
    SDL_GL_MakeCurrent(window, glContext);
    SDL_GL_SetSwapInterval(0); // the frame rate is not capped
    return true;
}

void swapBuffers() {
    if (window)
        SDL_GL_SwapWindow(window);
}

void* loadLibrary(const std::string& name) {
    return ::dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* libraryFunction(void* library, const std::string& name) {
    return library ? ::dlsym(library, name.c_str()) : nullptr;
}

void freeLibrary(void* library) {
    if (library)
        ::dlclose(library);
}

void debugOutput(const std::string& text) {
    std::fputs(text.c_str(), stderr);
    std::fflush(stderr);
}

} // namespace platform
