#include "client/menu/Checkbox.h"

#include "client/menu/MenuArt.h"
#include "client/menu/MenuMouse.h"
#include "client/menu/MenuQuads.h"
#include "client/render/Fonts.h"
#include "client/sound/GameSounds.h"

#include <GL/glew.h>

namespace {
constexpr int LabelOffset = 40; // the label's start, right of the 31-pixel box
constexpr int LabelSize = 24;
} // namespace

int checkboxWidth(const Checkbox& checkbox) {
    return LabelOffset + textWidth(menuFont, checkbox.label, LabelSize);
}

void drawCheckbox(Checkbox& checkbox, int pageLeft, int pageBottom) {
    const int bx = pageLeft + checkbox.x;
    const int by = pageBottom + checkbox.y;
    glColor3ub(255, 255, 255);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    drawTexturedQuad(checkbox.checked ? menuArt.checkboxOn : menuArt.checkboxOff, static_cast<float>(bx),
                     static_cast<float>(by), static_cast<float>(bx + 31), static_cast<float>(by + 31));
    print(menuFont, checkbox.label, bx + LabelOffset, by + 4, LabelSize, false);

    const platform::Point mouse = menuMouse();
    const bool hovered = bx <= mouse.x && mouse.x <= bx + 31 && by <= mouse.y && mouse.y <= by + 31;
    if (leftPressOn(hovered)) {
        checkbox.checked = !checkbox.checked;
        playClick();
    }
}
