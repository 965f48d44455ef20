#pragma once

#include "core/TextField.h"

#include <string>

// A one-line text entry. A click makes it the field that typed keys edit (FocusedTextField); the
// focused field shows a blinking caret.
class TextField : public ITextField {
public:
    TextField(int x, int y, int width, int maximumLength, std::string text);

    const std::string& text() const override { return text_; }
    int caret() const override { return caret_; }
    int maximumLength() const override { return maximumLength_; }
    void setCaret(int caret) override;
    void eraseBefore() override;
    void eraseAt() override;
    void insert(const std::string& text) override;

    // Draws the field at its place on the page whose lower-left corner is (pageLeft, pageBottom)
    // and polls the mouse for the click that focuses it.
    void draw(int pageLeft, int pageBottom);

    int x = 0; // relative to its page
    int y = 0;
    int width = 0;

private:
    std::string text_;
    int caret_ = 0; // the number of characters before the caret
    int maximumLength_ = 0;
    float blinkTimer_ = 0.0f; // seconds; the caret shows in the second half of each second
};
