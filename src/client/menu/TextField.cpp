#include "client/menu/TextField.h"

#include "client/menu/MenuMouse.h"
#include "client/menu/MenuQuads.h"
#include "client/render/Fonts.h"
#include "core/FrameClock.h"

#include <GL/glew.h>

#include <algorithm>

TextField::TextField(int x, int y, int width, int maximumLength, std::string text)
    : x(x), y(y), width(width), text_(std::move(text)), maximumLength_(maximumLength) {
    caret_ = static_cast<int>(text_.size());
}

void TextField::setCaret(int caret) {
    caret_ = std::clamp(caret, 0, static_cast<int>(text_.size()));
}

void TextField::eraseBefore() {
    if (caret_ <= 0)
        return;
    --caret_;
    text_.erase(static_cast<size_t>(caret_), 1);
}

void TextField::eraseAt() {
    if (caret_ < static_cast<int>(text_.size()))
        text_.erase(static_cast<size_t>(caret_), 1);
}

void TextField::insert(const std::string& text) {
    if (text_.size() + text.size() > static_cast<size_t>(std::max(maximumLength_, 0)))
        return;
    text_.insert(static_cast<size_t>(caret_), text);
    caret_ += static_cast<int>(text.size());
}

void TextField::draw(int pageLeft, int pageBottom) {
    const int fx = pageLeft + x;
    const int fy = pageBottom + y;
    glColor3ub(255, 255, 255);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    drawFieldFrame(fx, fy, width);
    glColor3ub(0, 0, 0);
    print(menuFont, text_, fx + 5, fy + 6, 20, false);

    if (FocusedTextField == this) {
        blinkTimer_ += DeltaSeconds;
        if (blinkTimer_ > 0.5f) {
            const int w = textWidth(menuFont, text_.substr(0, static_cast<size_t>(caret_)), 20);
            drawPlainQuad(static_cast<float>(fx + w + 8), static_cast<float>(fy + 3),
                          static_cast<float>(fx + w + 10), static_cast<float>(fy + 28));
        }
        if (blinkTimer_ > 1.0f)
            blinkTimer_ = 0.0f;
    }

    const platform::Point mouse = menuMouse();
    const bool inside = fx < mouse.x && mouse.x < fx + width && fy < mouse.y && mouse.y < fy + 32;
    if (leftPressOn(inside))
        FocusedTextField = this;
}
