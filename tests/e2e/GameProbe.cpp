// What the end-to-end tests need to know about the game's picture, computed by the game's own
// code in a window the size of the game's, in a game folder (`panel` shows its window, so run it
// before the game; `where` keeps its window hidden and may run beside the game):
//   orvalen-e2e-probe where X Z RISE [YAW PITCH | EX EY EZ CX CY CZ]
//                                       window pixel (x y, origin top left) of the point RISE world
//                                       units above grid position (X, Z) in the start view, in the
//                                       start view turned by mouse-look by YAW and PITCH degrees, or
//                                       in the view from eye (EX, EY, EZ) onto center (CX, CY, CZ)
//                                       (the game logs its view as "CAMERA eye (..) center (..)"),
//                                       on Motac or the map PROBE_MAP names
//   orvalen-e2e-probe panel METAL OIL FILE
//                                       the panel with player 1 holding METAL and OIL, as a PPM;
//                                       magenta where the scene behind the panel shows
#include "client/panel/Panel.h"
#include "client/render/Camera.h"
#include "client/render/RenderContext.h"
#include "client/terrain/WorldLoader.h"
#include "core/Input.h"
#include "files/World.h"
#include "platform/Platform.h"
#include "sim/players/PlayerManager.h"
#include "support/GlWindow.h"

#include <GL/glew.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

int whereOnScreen(double x, double z, double rise, const Camera& view) {
    const char* named = std::getenv("PROBE_MAP");
    const std::optional<MapFile> map = loadMap(named ? named : "data\\maps\\motac.ktqw");
    if (!map)
        return 1;
    const World world(map->world);
    resizeView();
    glLoadIdentity();
    applyView(view);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    const WorldPoint ground = world.groundPoint(z, x);
    const WindowPixel at = windowPixel(ground.x, ground.y + rise, ground.z);
    std::cout << at[0] << " " << viewport[3] - 1 - at[1] << "\n";
    return 0;
}

// The window's pixels with the panel drawn over a plain background of this level.
std::vector<Rgb> panelPixels(float clearLevel) {
    glClearColor(clearLevel, clearLevel, clearLevel, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    enterOrthoMode();
    drawPanel(PanelMouse{-1, -1, false, false});
    leaveOrthoMode();
    return windowPixels();
}

// Pixels through which the scene behind the panel shows (they differ between a black and a white
// background) are painted magenta: they say nothing about the panel.
int drawPanelTo(int metal, int oil, const std::string& file) {
    loadPanel();
    ResourceSack& stock = PlayerManager::getInstance()->getPlayer(1).getResources();
    stock.amounts = {metal, oil};
    std::vector<Rgb> pixels = panelPixels(0.0f);
    const std::vector<Rgb> overWhite = panelPixels(1.0f);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        if (pixels[i] != overWhite[i])
            pixels[i] = {255, 0, 255};
    return writePpm(file, pixels) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const bool hidden = !args.empty() && args[0] == "where";
    if (!(hidden ? openHiddenGlWindow() : openGlWindow())) {
        std::cerr << "no window\n";
        return 2;
    }
    if ((args.size() == 4 || args.size() == 6 || args.size() == 10) && args[0] == "where") {
        Camera view;
        if (args.size() == 6)
            turnCamera(view, std::stof(args[4]), std::stof(args[5]));
        if (args.size() == 10) {
            view.setEye({std::stof(args[4]), std::stof(args[5]), std::stof(args[6])});
            view.setCenter({std::stof(args[7]), std::stof(args[8]), std::stof(args[9])});
        }
        return whereOnScreen(std::stod(args[1]), std::stod(args[2]), std::stod(args[3]), view);
    }
    if (args.size() == 4 && args[0] == "panel")
        return drawPanelTo(std::stoi(args[1]), std::stoi(args[2]), args[3]);
    std::cerr
        << "usage: orvalen-e2e-probe where X Z RISE [YAW PITCH | EX EY EZ CX CY CZ] | panel METAL OIL FILE\n";
    return 2;
}
