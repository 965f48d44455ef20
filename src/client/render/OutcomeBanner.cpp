#include "client/render/OutcomeBanner.h"

#include "client/render/Fonts.h"
#include "core/Input.h"

#include <GL/glew.h>

#include <string>

namespace {

constexpr int TextSize = 96;
constexpr int BandHalfHeight = 70;

void drawBand(int middle) {
    glDisable(GL_TEXTURE_2D);
    glColor4ub(0, 0, 0, 160);
    glBegin(GL_QUADS);
    glVertex2i(0, middle - BandHalfHeight);
    glVertex2i(ClientWidth, middle - BandHalfHeight);
    glVertex2i(ClientWidth, middle + BandHalfHeight);
    glVertex2i(0, middle + BandHalfHeight);
    glEnd();
}

} // namespace

void drawOutcomeBanner(GameOutcome::Result result) {
    if (result == GameOutcome::Playing)
        return;
    const std::string text = result == GameOutcome::Victory ? "Victory" : "Defeat";
    const int middle = ClientHeight / 2;
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    drawBand(middle);
    glEnable(GL_TEXTURE_2D);
    if (result == GameOutcome::Victory)
        glColor3ub(255, 215, 60);
    else
        glColor3ub(230, 50, 40);
    print(menuFont, text, (ClientWidth - textWidth(menuFont, text, TextSize)) / 2, middle - TextSize / 3,
          TextSize, false);
    glDisable(GL_BLEND);
}
