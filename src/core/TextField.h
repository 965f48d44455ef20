#pragma once

#include <string>

// What the window procedure needs of the text-entry widget that has the keyboard focus. The
// menu's text field implements it; the widget owns the text and the caret.
class ITextField {
public:
    virtual ~ITextField() = default;
    virtual const std::string& text() const = 0;
    virtual int caret() const = 0;
    virtual int maximumLength() const = 0;
    virtual void setCaret(int caret) = 0;
    virtual void eraseBefore() = 0;                   // the character before the caret; caret back one
    virtual void eraseAt() = 0;                       // the character at the caret
    virtual void insert(const std::string& text) = 0; // at the caret, within the maximum length
};

// The field that receives typed keys, or null.
extern ITextField* FocusedTextField;

// Text-entry rules of the window procedure; they do nothing while no field has the focus.
void textEntryKeyDown(int virtualKey);
void textEntryCharacter(unsigned int code);
