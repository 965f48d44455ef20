#include "core/TextField.h"

#include "core/VirtualKey.h"

#include <cctype>

ITextField* FocusedTextField = nullptr;

void textEntryKeyDown(int virtualKey) {
    ITextField* field = FocusedTextField;
    if (!field)
        return;
    const int length = static_cast<int>(field->text().size());
    switch (virtualKey) {
    case KeyLeft:
        if (field->caret() > 0)
            field->setCaret(field->caret() - 1);
        break;
    case KeyRight:
        if (field->caret() < length)
            field->setCaret(field->caret() + 1);
        break;
    case KeyDelete:
        if (field->caret() < length)
            field->eraseAt();
        break;
    default:
        break;
    }
}

void textEntryCharacter(unsigned int code) {
    ITextField* field = FocusedTextField;
    if (!field)
        return;
    if (code == KeyBackspace) {
        field->eraseBefore();
        return;
    }
    // Letters, digits, punctuation and the blank, as the C locale classifies them.
    if (code > 127)
        return;
    const int c = static_cast<int>(code);
    if (std::isalnum(c) || std::ispunct(c) || c == ' ')
        field->insert(std::string(1, static_cast<char>(c)));
}
