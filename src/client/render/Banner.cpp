#include "client/render/Banner.h"

#include "client/render/Fonts.h"
#include "core/Input.h"

#include <GL/glew.h>

int bannerHalfHeight(int size) {
    return size * 70 / 96;
}

void drawBanner(const std::string& text, uint8_t red, uint8_t green, uint8_t blue, int middle, int size) {
    const int halfHeight = bannerHalfHeight(size);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_TEXTURE_2D);
    glColor4ub(0, 0, 0, 160);
    glBegin(GL_QUADS);
    glVertex2i(0, middle - halfHeight);
    glVertex2i(ClientWidth, middle - halfHeight);
    glVertex2i(ClientWidth, middle + halfHeight);
    glVertex2i(0, middle + halfHeight);
    glEnd();
    glEnable(GL_TEXTURE_2D);
    glColor3ub(red, green, blue);
    print(menuFont, text, (ClientWidth - textWidth(menuFont, text, size)) / 2, middle - size / 3, size,
          false);
    glDisable(GL_BLEND);
}
