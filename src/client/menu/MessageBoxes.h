#pragma once

#include <array>
#include <string>

// The menu's own message boxes: ten slots, each drawn over the menu while it is not closed.
struct MessageBoxSlot {
    enum Type { Ok = 0, YesNo = 1 };
    enum State { Closed = -1, Open = 0, Yes = 2, No = 3 };

    std::string text;
    int type = Ok;
    int state = Closed;
    int halfHeight = 125;
};

constexpr size_t MessageBoxSlotCount = 10;
extern std::array<MessageBoxSlot, MessageBoxSlotCount> messageBoxes;

// Every slot closed, type OK, half height 125 and no text.
void resetMessageBoxes();

// Out-of-range slots are ignored.
void showMessageBox(size_t slot, const std::string& text, int type, int halfHeight);
void closeMessageBox(size_t slot);

// Draws and polls every slot that is not closed. OK closes its box; YES and NO leave theirs open
// with the answer in its state, for its owner to act on and close. True while any slot is not
// closed.
bool drawMessageBoxes();
