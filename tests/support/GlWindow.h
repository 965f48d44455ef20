#pragma once

// A real game window with an OpenGL context under the test's X server, set up as the loading
// sequence leaves it (initial GL state, GLEW) but without loading any asset. Message boxes are
// recorded instead of shown.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct RecordedBox {
    std::string text;
    std::string caption;
};

extern std::vector<RecordedBox> recordedMessageBoxes;

// Creates the window and context once per test program, its size fitted as below; false when no
// display is available.
bool openGlWindow();

// The same, in a window of the same size that is never shown, so a running game keeps its screen.
// A program opens one or the other.
bool openHiddenGlWindow();

// ClientWidth and ClientHeight set to the window's size, as the window procedure keeps them.
void fitClientSizeToWindow();

using WindowPixel = std::array<int, 2>;
using Rgb = std::array<uint8_t, 3>;

// Where the current matrices and viewport put a point: window pixels, y up.
WindowPixel windowPixel(double x, double y, double z);

// The colour drawn at a window pixel.
Rgb pixelColour(WindowPixel at);

// Every pixel of the window's back buffer, rows from the bottom as GL reads them.
std::vector<Rgb> windowPixels();

// Window pixels (rows from the bottom) as a PPM picture, rows from the top as the screen has them.
bool writePpm(const std::string& path, const std::vector<Rgb>& pixels);
