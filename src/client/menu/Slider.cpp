#include "client/menu/Slider.h"

#include "client/menu/MenuArt.h"
#include "client/menu/MenuMouse.h"
#include "client/menu/MenuQuads.h"
#include "client/render/Fonts.h"

#include <GL/glew.h>

#include <algorithm>

namespace {
constexpr int TrackWidth = 127;
constexpr int LabelSize = 24;
} // namespace

int Slider::value() const {
    return sliderValue(min, max, position);
}

int sliderValue(int min, int max, int position) {
    return min + (max - min) * position / Slider::Travel;
}

int sliderDragOffset(int position, int cursorX, int dragStart) {
    return std::clamp(cursorX - dragStart, -position, Slider::Travel - position);
}

int sliderWidth(const Slider& slider) {
    return std::max(TrackWidth, textWidth(menuFont, slider.label, LabelSize));
}

int settledSliderPosition(int min, int max, int position) {
    const int value = sliderValue(min, max, position);
    while (position > 0 && sliderValue(min, max, position - 1) == value)
        --position;
    return position;
}

void drawSlider(Slider& slider, int pageLeft, int pageBottom) {
    const int bx = pageLeft + slider.x;
    const int by = pageBottom + slider.y;
    const int trackY = by - 30;
    const int knobX = bx + slider.position;
    const platform::Point mouse = menuMouse();

    glColor3ub(255, 255, 255);
    print(menuFont, slider.label, bx, by, LabelSize, false);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    drawTexturedQuad(menuArt.sliderBar, static_cast<float>(bx), static_cast<float>(trackY),
                     static_cast<float>(bx + TrackWidth), static_cast<float>(trackY + 15));

    const bool onKnob =
        knobX <= mouse.x && mouse.x <= knobX + 16 && trackY <= mouse.y && mouse.y <= trackY + 16;
    if (!slider.dragging && leftPressOn(onKnob)) {
        slider.dragging = true;
        slider.dragStart = mouse.x;
    }
    int drawnX = knobX;
    if (slider.dragging) {
        const int offset = sliderDragOffset(slider.position, mouse.x, slider.dragStart);
        if (leftButtonHeld()) {
            drawnX += offset;
        } else {
            slider.position = settledSliderPosition(slider.min, slider.max, slider.position + offset);
            slider.dragging = false;
            drawnX = bx + slider.position;
        }
    }
    glColor3ub(0, 0, 160);
    drawTexturedQuad(menuArt.slider, static_cast<float>(drawnX), static_cast<float>(trackY),
                     static_cast<float>(drawnX + 16), static_cast<float>(trackY + 16));
}
