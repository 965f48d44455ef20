#include "client/render/SelectionRect.h"

#include "core/Input.h"
#include "core/VirtualKey.h"

#include <GL/glew.h>

#include <algorithm>

SelectionRect selectionRect;

namespace {

void drawRectangle(const SelectionRect& rect) {
    glDisable(GL_TEXTURE_2D);
    glColor3ub(255, 255, 0);
    glBegin(GL_LINE_LOOP);
    glVertex2i(rect.anchorX, rect.anchorY);
    glVertex2i(rect.currentX, rect.anchorY);
    glVertex2i(rect.currentX, rect.currentY);
    glVertex2i(rect.anchorX, rect.currentY);
    glEnd();
}

} // namespace

bool updateSelectionRect(const WindowArea& keepOut) {
    SelectionRect& rect = selectionRect;
    const MouseButton::Reading mouse = rect.button.read(selectButton());
    const bool pressed = mouse.down && !mouse.wasDown;
    rect.currentX = mouse.at.x;
    rect.currentY = mouse.at.y;

    if (rect.dragging) {
        // A drag taken down over the panel reaches only to the panel's top: the scene ends there.
        rect.currentY = std::max(rect.currentY, PanelStripHeight);
        if (mouse.down) {
            drawRectangle(rect);
            return false;
        }
        rect.dragging = false;
        return true;
    }
    const bool inside = rect.currentX >= 0 && rect.currentX < ClientWidth &&
                        rect.currentY >= PanelStripHeight && rect.currentY < ClientHeight &&
                        !keepOut.contains(rect.currentX, rect.currentY);
    if (inside && pressed) {
        rect.dragging = true;
        rect.anchorX = rect.currentX;
        rect.anchorY = rect.currentY;
    }
    return false;
}
