#include "ui/menu/Checkbox.h"

#include "render/Fonts.h"
#include "sound/GameSounds.h"
#include "ui/menu/MenuArt.h"
#include "ui/menu/MenuMouse.h"
#include "ui/menu/MenuQuads.h"

#include <GL/glew.h>

void drawCheckbox(Checkbox& checkbox, int pageLeft, int pageBottom) {
    const int bx = pageLeft + checkbox.x;
    const int by = pageBottom + checkbox.y;
    glColor3ub(255, 255, 255);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    drawTexturedQuad(checkbox.checked ? menuArt.checkboxOn : menuArt.checkboxOff, static_cast<float>(bx),
                     static_cast<float>(by), static_cast<float>(bx + 31), static_cast<float>(by + 31));
    print(menuFont, checkbox.label, bx + 40, by + 4, 24, false);

    const platform::Point mouse = menuMouse();
    const bool hovered = bx <= mouse.x && mouse.x <= bx + 31 && by <= mouse.y && mouse.y <= by + 31;
    if (leftPressOn(hovered)) {
        checkbox.checked = !checkbox.checked;
        playClick();
    }
}
