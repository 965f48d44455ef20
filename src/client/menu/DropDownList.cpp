#include "client/menu/DropDownList.h"

#include "client/menu/MenuArt.h"
#include "client/menu/MenuMouse.h"
#include "client/menu/MenuQuads.h"
#include "client/render/Fonts.h"
#include "client/sound/GameSounds.h"

#include <GL/glew.h>

#include <algorithm>

bool DropDownList::anyOpen = false;

namespace {

constexpr int RowHeight = 32;
constexpr int FieldHeight = 31;
constexpr int NarrowestField = 32; // room for the arrow
constexpr int LabelSize = 24;

int fieldWidth(const DropDownList& list) {
    return std::max(list.width, NarrowestField);
}

bool withinColumn(int left, int width, platform::Point mouse) {
    return left <= mouse.x && mouse.x <= left + width;
}

void drawRows(DropDownList& list, int left, int fieldY, int width, platform::Point mouse) {
    const int count = static_cast<int>(list.items.size());
    const int hoveredRow = dropDownRowAt(left, fieldY, width, count, mouse);
    for (int k = 0; k < count; ++k) {
        if (k == hoveredRow)
            glColor3ub(255, 0, 0);
        else
            glColor3ub(255, 255, 255);
        drawFieldFrame(left, fieldY - RowHeight * (k + 1), width);
        glColor3ub(0, 0, 0);
        print(menuFont, list.items[static_cast<size_t>(k)], left + 20, fieldY - 27 - RowHeight * k, 24,
              false);
    }
    if (leftPressOn(hoveredRow >= 0)) {
        list.selected = hoveredRow;
        list.close();
        playClick();
    }
    if (list.open && !insideOpenDropDown(left, fieldY, width, count, mouse))
        list.close();
}

} // namespace

void DropDownList::close() {
    if (!open)
        return;
    open = false;
    anyOpen = false;
}

int dropDownRowAt(int left, int fieldY, int width, int count, platform::Point mouse) {
    if (!withinColumn(left, width, mouse) || mouse.y >= fieldY)
        return -1;
    const int row = (fieldY - 1 - mouse.y) / RowHeight;
    return row < count ? row : -1;
}

bool insideOpenDropDown(int left, int fieldY, int width, int count, platform::Point mouse) {
    return withinColumn(left, width, mouse) && fieldY - RowHeight * count <= mouse.y &&
           mouse.y <= fieldY + FieldHeight;
}

int dropDownWidth(const DropDownList& list) {
    return std::max(fieldWidth(list), textWidth(menuFont, list.label, LabelSize));
}

void drawDropDownList(DropDownList& list, int pageLeft, int pageBottom) {
    const int bx = pageLeft + list.x;
    const int by = pageBottom + list.y;
    const int width = fieldWidth(list);
    const int fieldY = by - 40;
    const platform::Point mouse = menuMouse();

    glColor3ub(255, 255, 255);
    print(menuFont, list.label, bx, by, LabelSize, false);

    const bool onArrow = bx + width - 31 <= mouse.x && mouse.x <= bx + width && fieldY <= mouse.y &&
                         mouse.y <= fieldY + FieldHeight;
    if (leftPressOn(!DropDownList::anyOpen && onArrow)) {
        list.open = true;
        DropDownList::anyOpen = true;
        playClick();
    }

    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    drawFieldFrame(bx, fieldY, width);
    drawTexturedQuad(menuArt.arrowDown, static_cast<float>(bx + width - 36), static_cast<float>(fieldY),
                     static_cast<float>(bx + width - 5), static_cast<float>(fieldY + FieldHeight));

    if (list.open)
        drawRows(list, bx, fieldY, width, mouse);

    glColor3ub(0, 0, 0);
    if (list.selected >= 0 && list.selected < static_cast<int>(list.items.size()))
        print(menuFont, list.items[static_cast<size_t>(list.selected)], bx + 20, fieldY + 5, 24, false);
}
