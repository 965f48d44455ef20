#include "client/menu/Menu.h"

#include "client/menu/MenuArt.h"
#include "client/menu/MenuMouse.h"
#include "client/menu/MenuQuads.h"
#include "client/render/Fonts.h"
#include "client/sound/GameSounds.h"
#include "core/FrameClock.h"
#include "core/Input.h"

#include <AL/al.h>
#include <GL/glew.h>

#include <algorithm>

namespace {

constexpr float ButtonWidth = 256.0f;
constexpr float ButtonHeight = 128.0f;
constexpr float SlideSpeed = 650.0f; // pixels per second

SoundSource swishVoice() {
    SoundSource voice{swishSound.buffer, 0};
    alGenSources(1, &voice.source);
    alSourcei(voice.source, AL_BUFFER, static_cast<ALint>(voice.buffer));
    return voice;
}

// The plate of the button image, not its transparent margins.
bool hovered(const MenuButton& button, platform::Point mouse) {
    const auto mx = static_cast<float>(mouse.x);
    const auto my = static_cast<float>(mouse.y);
    return button.x <= mx && mx <= button.x + 240.0f && button.y + 20.0f <= my && my <= button.y + 108.0f;
}

// Button i rests this high above the window's bottom edge: the column hangs from the window's top.
float restingY(int windowHeight, size_t button) {
    return static_cast<float>(windowHeight - 108 - 108 * static_cast<int>(button));
}

void drawButton(MenuButton& button, platform::Point mouse, bool mouseCovered) {
    const bool underMouse = !mouseCovered && hovered(button, mouse);
    if (leftPressOn(underMouse)) {
        button.clicked = true;
        playClick();
    }
    const MenuButtonSlide slide = slideMenuButton(button.x, button.leftSide, static_cast<float>(ClientWidth),
                                                  SlideSpeed * DeltaSeconds);
    button.x = slide.x;
    if (slide.enteredView)
        playSound(button.sound);

    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // The right-hand buttons show the picture mirrored, its pointed end toward the window's middle.
    const TextureSpan span = button.leftSide ? TextureSpan{} : TextureSpan{1.0f, 0.0f, 0.0f, 1.0f};
    drawTexturedQuad(underMouse ? menuArt.buttonOn : menuArt.buttonOff, button.x, button.y,
                     button.x + ButtonWidth, button.y + ButtonHeight, span);

    const int x = static_cast<int>(button.x);
    const int baseline = static_cast<int>(button.y) + 55;
    const int labelX = button.leftSide ? x + 20 : x + 246 - textWidth(menuFont, button.label, 20);
    print(menuFont, button.label, labelX, baseline, 20, false);
}

} // namespace

MenuButtonSlide slideMenuButton(float x, bool leftSide, float windowWidth, float step) {
    if (leftSide) {
        if (x >= 0.0f)
            return {x, false};
        const float next = std::min(x + step, 0.0f);
        return {next, x <= -ButtonWidth && next > -ButtonWidth};
    }
    const float rest = windowWidth - ButtonWidth;
    if (x <= rest)
        return {rest, false}; // at rest, or the window has grown since
    const float next = std::max(x - step, rest);
    return {next, x >= windowWidth && next < windowWidth};
}

void Menu::create(const std::vector<std::string>& labels, bool leftSide, int windowHeight) {
    leftSide_ = leftSide;
    buttons_.clear();
    for (size_t i = 0; i < labels.size(); ++i) {
        MenuButton button;
        button.x = startX(i);
        button.y = restingY(windowHeight, i);
        button.sound = swishVoice();
        button.leftSide = leftSide;
        button.label = labels[i];
        buttons_.push_back(button);
    }
    visible_ = false;
}

float Menu::startX(size_t button) const {
    const auto offset = 100.0f * static_cast<float>(button);
    return leftSide_ ? -ButtonWidth - offset : static_cast<float>(ClientWidth) + offset;
}

void Menu::show() {
    visible_ = true;
    for (size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i].x = startX(i);
}

void Menu::hide() {
    visible_ = false;
}

void Menu::draw(const WindowArea& covered) {
    if (!visible_)
        return;
    glEnable(GL_TEXTURE_2D);
    glColor3ub(255, 255, 255);
    const platform::Point mouse = menuMouse();
    const bool mouseCovered = covered.contains(mouse.x, mouse.y);
    // The window's height may have changed since the column was made: the player resized the
    // window, or chose another resolution on a page of this menu.
    for (size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i].y = restingY(ClientHeight, i);
        drawButton(buttons_[i], mouse, mouseCovered);
    }
}

bool Menu::takeClick(size_t button) {
    if (button >= buttons_.size() || !buttons_[button].clicked)
        return false;
    buttons_[button].clicked = false;
    return true;
}
