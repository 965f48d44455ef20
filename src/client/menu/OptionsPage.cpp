#include "client/menu/OptionsPage.h"

#include "client/menu/FramedBox.h"
#include "client/menu/MenuQuads.h"
#include "client/render/Fonts.h"
#include "core/FrameClock.h"
#include "core/Input.h"

#include <GL/glew.h>

#include <algorithm>

namespace {

OptionsPage* currentPage = nullptr;

constexpr float SlideSpeed = 650.0f;                        // pixels per second
constexpr int MinimumHalfWidth = 64;                        // the frame's two corners on each side
constexpr uint32_t PageColour = (128u << 8) | (192u << 16); // red 0, green 128, blue 192
constexpr int WidgetMargin = 20;                            // the widgets' own left margin, kept on the right

void drawPicture(const PagePicture& picture, int pageLeft, int pageBottom) {
    const auto left = static_cast<float>(pageLeft + picture.x),
               bottom = static_cast<float>(pageBottom + picture.y);
    const auto size = static_cast<float>(picture.size);
    glDisable(GL_TEXTURE_2D);
    glColor3ub(20, 20, 24);
    drawPlainQuad(left - 2.0f, bottom - 2.0f, left + size + 2.0f, bottom + size + 2.0f);
    if (!picture.texture || picture.texture->id == 0)
        return;
    glEnable(GL_TEXTURE_2D);
    glColor3ub(255, 255, 255);
    // The loader keeps a picture's rows bottom up, as the file has them: drawn as it stands, it is upright.
    drawTexturedQuad(*picture.texture, left, bottom, left + size, bottom + size);
}

// From the page's left edge to the right edge of its widest widget, and the margin beyond.
int contentWidth(const OptionsPage& page) {
    int right = 0;
    const auto reach = [&right](int edge) { right = std::max(right, edge); };
    for (const Checkbox& checkbox : page.checkboxes)
        reach(checkbox.x + checkboxWidth(checkbox));
    for (const DropDownList& list : page.dropDownLists)
        reach(list.x + dropDownWidth(list));
    for (const Slider& slider : page.sliders)
        reach(slider.x + sliderWidth(slider));
    for (const Label& label : page.labels)
        reach(label.x + textWidth(menuFont, label.text, 16));
    for (const TextField& field : page.textFields)
        reach(field.x + field.width);
    for (const PagePicture& picture : page.pictures)
        reach(picture.x + picture.size + 2);
    return right + WidgetMargin;
}

} // namespace

int pageHalfWidth(int windowWidth, int contentWidth) {
    const int fitted = std::min((contentWidth + 1) / 2, windowWidth / 2);
    return std::max({(windowWidth - 540) / 2, fitted, MinimumHalfWidth});
}

WindowArea currentPageFrame() {
    return currentPage ? currentPage->frame() : WindowArea{};
}

void OptionsPage::open() {
    if (currentPage)
        for (DropDownList& list : currentPage->dropDownLists)
            list.close(); // a list left open on a page that is no longer drawn would block all others
    currentPage = this;
    y = static_cast<float>(ClientHeight);
}

bool OptionsPage::current() const {
    return currentPage == this;
}

WindowArea OptionsPage::frame() const {
    const int halfWidth = pageHalfWidth(ClientWidth, contentWidth(*this));
    const int bottom = static_cast<int>(y);
    return {ClientWidth / 2 - halfWidth, bottom, ClientWidth / 2 + halfWidth, bottom + height};
}

void OptionsPage::draw() {
    if (!current())
        return;
    const int left = frame().left;
    drawFramedBox(ClientWidth / 2, static_cast<int>(y) + height / 2, ClientWidth / 2 - left, height / 2, 192,
                  PageColour);

    const auto rest = static_cast<float>(ClientHeight - height);
    if (y > rest)
        y = std::max(y - SlideSpeed * DeltaSeconds, rest);
    else
        y = rest; // the window has grown since: the page stays at its top
    const int bottom = static_cast<int>(y);

    glColor3ub(255, 255, 255);
    printBox(menuFont, title, 0, ClientWidth, bottom + height - 20, 40, true, false);

    for (const PagePicture& picture : pictures)
        drawPicture(picture, left, bottom);
    for (Checkbox& checkbox : checkboxes)
        drawCheckbox(checkbox, left, bottom);
    // The last list first, so that an upper list's open rows are drawn over the lists below it.
    for (auto list = dropDownLists.rbegin(); list != dropDownLists.rend(); ++list)
        drawDropDownList(*list, left, bottom);
    for (Slider& slider : sliders)
        drawSlider(slider, left, bottom);
    glColor3ub(255, 255, 255);
    for (const Label& label : labels)
        print(menuFont, label.text, left + label.x, bottom + label.y, 16, false);
    for (TextField& field : textFields)
        field.draw(left, bottom);
}
