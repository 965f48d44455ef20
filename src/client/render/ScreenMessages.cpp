#include "client/render/ScreenMessages.h"

#include "client/render/Fonts.h"
#include "client/render/SelectionRect.h"

#include <GL/glew.h>

ScreenMessages screenMessages;

namespace {

constexpr int TextSize = 20;
constexpr int LineStep = 24;
constexpr int Left = 12;
constexpr int ShadowOffset = 1;

} // namespace

void ScreenMessages::add(const std::string& text, int32_t now) {
    if (!recent.empty() && recent.back().text == text) {
        recent.back().shownAt = now;
        return;
    }
    recent.push_back({text, now});
    if (recent.size() > MostLines)
        recent.pop_front();
}

std::vector<std::string> ScreenMessages::lines(int32_t now) const {
    std::vector<std::string> shown;
    for (const Line& line : recent)
        if (now - line.shownAt < ShowMilliseconds)
            shown.push_back(line.text);
    return shown;
}

// A dark shadow under the white text keeps it readable over bright ground and sky.
void ScreenMessages::draw(int32_t now) const {
    const std::vector<std::string> shown = lines(now);
    if (shown.empty())
        return;
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    int baseline = PanelStripHeight + 16 + LineStep * static_cast<int>(shown.size() - 1);
    for (const std::string& text : shown) {
        glColor3ub(0, 0, 0);
        print(interfaceFont, text, Left + ShadowOffset, baseline - ShadowOffset, TextSize, false);
        glColor3ub(255, 255, 255);
        print(interfaceFont, text, Left, baseline, TextSize, false);
        baseline -= LineStep;
    }
    glDisable(GL_BLEND);
}
