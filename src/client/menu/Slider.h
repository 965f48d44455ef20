#pragma once

#include <string>

// A labelled horizontal slider whose knob travels 110 pixels along its track.
struct Slider {
    static constexpr int Travel = 110;

    std::string label;
    int x = 20; // relative to its page
    int y = 0;
    int min = 0;
    int max = 100;
    int position = Travel; // the knob's offset along the track, 0 to Travel
    bool dragging = false;
    int dragStart = 0; // the mouse's x in the window where the drag began

    int value() const;
};

// Draws the slider at its place on the page whose lower-left corner is (pageLeft, pageBottom) and
// polls the mouse: the knob is dragged by the mouse's x and placed where the button is let go.
void drawSlider(Slider& slider, int pageLeft, int pageBottom);

// From the slider's left edge to the end of its track or of its label, whichever is further.
int sliderWidth(const Slider& slider);

// The rules of the knob, for any range.
int sliderValue(int min, int max, int position); // min + (max - min) * position / Travel
// How far a drag has moved the knob, kept on the track.
int sliderDragOffset(int position, int cursorX, int dragStart);
// Where a released knob comes to rest: the lowest position that gives the same value.
int settledSliderPosition(int min, int max, int position);
