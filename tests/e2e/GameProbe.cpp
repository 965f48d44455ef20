// What the end-to-end tests need to know about the game's picture, computed by the game's own
// code in a window the size of the game's (run it before the game, in a game folder):
//   orvalen-e2e-probe where X Z RISE    window pixel (x y, origin top left) of the point RISE world
//                                       units above grid position (X, Z) in the start view
//   orvalen-e2e-probe panel METAL OIL FILE
//                                       the panel with player 1 holding METAL and OIL, as a PPM
#include "app/Input.h"
#include "platform/Platform.h"
#include "players/PlayerManager.h"
#include "render/Camera.h"
#include "render/RenderContext.h"
#include "support/GlWindow.h"
#include "ui/panel/Panel.h"
#include "world/World.h"
#include "world/WorldLoader.h"

#include <GL/glew.h>
#include <GL/glu.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

int whereOnScreen(double x, double z, double rise) {
    if (!loadWorld("data\\maps\\motac.ktqw", [](const MapObject&) {}))
        return 1;
    resizeView();
    glLoadIdentity();
    applyView(Camera{});
    GLdouble modelView[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    const WorldPoint ground = groundPoint(z, x);
    GLdouble windowX = 0, windowY = 0, depth = 0;
    gluProject(ground.x, ground.y + rise, ground.z, modelView, projection, viewport, &windowX, &windowY,
               &depth);
    std::cout << static_cast<int>(windowX) << " " << viewport[3] - 1 - static_cast<int>(windowY) << "\n";
    return 0;
}

int drawPanelTo(int metal, int oil, const std::string& file) {
    const platform::Rect client = platform::clientRect();
    ClientWidth = client.right;
    ClientHeight = client.bottom;
    loadPanel();
    ResourceSack& stock = PlayerManager::getInstance()->getPlayer(1).getResources();
    stock.amounts = {metal, oil};
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    enterOrthoMode();
    drawPanel(PanelMouse{-1, -1, false, false});
    leaveOrthoMode();
    glFinish();

    std::vector<unsigned char> pixels(static_cast<std::size_t>(ClientWidth) * ClientHeight * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, ClientWidth, ClientHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    std::ofstream out(file, std::ios::binary);
    out << "P6\n" << ClientWidth << " " << ClientHeight << "\n255\n";
    const std::size_t row = static_cast<std::size_t>(ClientWidth) * 3;
    for (int y = ClientHeight - 1; y >= 0; --y)
        out.write(reinterpret_cast<const char*>(pixels.data() + row * y), static_cast<std::streamsize>(row));
    return out ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!openGlWindow()) {
        std::cerr << "no window\n";
        return 2;
    }
    if (args.size() == 4 && args[0] == "where")
        return whereOnScreen(std::stod(args[1]), std::stod(args[2]), std::stod(args[3]));
    if (args.size() == 4 && args[0] == "panel")
        return drawPanelTo(std::stoi(args[1]), std::stoi(args[2]), args[3]);
    std::cerr << "usage: orvalen-e2e-probe where X Z RISE | panel METAL OIL FILE\n";
    return 2;
}
