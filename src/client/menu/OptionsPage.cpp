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

} // namespace

int pageHalfWidth(int windowWidth) {
    return std::max((windowWidth - 540) / 2, MinimumHalfWidth);
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

void OptionsPage::draw() {
    if (!current())
        return;
    const int halfWidth = pageHalfWidth(ClientWidth);
    const int left = ClientWidth / 2 - halfWidth;
    drawFramedBox(ClientWidth / 2, static_cast<int>(y) + height / 2, halfWidth, height / 2, 192, PageColour);

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
