#include "client/menu/MessageBoxes.h"

#include "client/menu/FramedBox.h"
#include "client/menu/TextButton.h"
#include "client/render/Fonts.h"
#include "core/Input.h"

#include <GL/glew.h>

#include <algorithm>

std::array<MessageBoxSlot, MessageBoxSlotCount> messageBoxes;

namespace {

constexpr uint32_t BoxColour = 64u | (64u << 16); // red 64, green 0, blue 64

void drawBox(MessageBoxSlot& box) {
    const int centreX = ClientWidth / 2;
    const int centreY = ClientHeight / 2;
    drawFramedBox(centreX, centreY, 250, box.halfHeight, 128, BoxColour);
    glColor3ub(255, 255, 255);
    printBox(menuFont, box.text, centreX - 240, centreX + 240, centreY + 120, 20, true, false);

    const int buttonY = centreY - box.halfHeight + 15;
    if (box.type == MessageBoxSlot::YesNo) {
        if (textButton(centreX - 180, buttonY, "YES"))
            box.state = MessageBoxSlot::Yes;
        if (textButton(centreX + 130, buttonY, "NO"))
            box.state = MessageBoxSlot::No;
    } else if (textButton(centreX - 20, buttonY, "OK")) {
        box.state = MessageBoxSlot::Closed;
    }
}

} // namespace

void resetMessageBoxes() {
    messageBoxes.fill(MessageBoxSlot{});
}

void showMessageBox(size_t slot, const std::string& text, int type, int halfHeight) {
    if (slot >= messageBoxes.size())
        return;
    messageBoxes[slot] = {text, type, MessageBoxSlot::Open, halfHeight};
}

void closeMessageBox(size_t slot) {
    if (slot < messageBoxes.size())
        messageBoxes[slot].state = MessageBoxSlot::Closed;
}

bool drawMessageBoxes() {
    glEnable(GL_BLEND);
    for (MessageBoxSlot& box : messageBoxes)
        if (box.state != MessageBoxSlot::Closed)
            drawBox(box);
    glDisable(GL_BLEND);
    return std::any_of(messageBoxes.begin(), messageBoxes.end(),
                       [](const MessageBoxSlot& box) { return box.state != MessageBoxSlot::Closed; });
}
