#include "client/panel/Panel.h"

#include "client/render/Fonts.h"
#include "client/sound/GameSounds.h"
#include "core/Input.h"
#include "core/VirtualKey.h"
#include "platform/Platform.h"
#include "sim/players/PlayerManager.h"
#include "sim/players/PlayerSelector.h"

#include <GL/glew.h>

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

constexpr int ArtSize = 256; // each half of the panel art is this wide and high
constexpr int BarRepeatPixels = 4;
constexpr TextureFilter Linear = 1;
constexpr uint32_t Black = 0;

const std::string WorkerDescription =
    "Basic working unit. Has ability to build or repair buildings and gather resources.\n\nCost:50M";
const std::string MarineDescription =
    "Basic infantry for general purpose. Weak against vehicles, good for soon rushes.\n\nDamage:4\nCost:75M";

Texture panelArt;
Texture panelBar;
std::array<Texture, WorldObjectTypeCount> thumbnails;
const Texture noThumbnail;

// One textured quad; u runs from uLeft to uRight across, v from 0 at the bottom to 1 at the top.
void drawQuad(int left, int bottom, int right, int top, double uLeft = 0.0, double uRight = 1.0) {
    glBegin(GL_QUADS);
    glTexCoord2d(uLeft, 0.0);
    glVertex2i(left, bottom);
    glTexCoord2d(uRight, 0.0);
    glVertex2i(right, bottom);
    glTexCoord2d(uRight, 1.0);
    glVertex2i(right, top);
    glTexCoord2d(uLeft, 1.0);
    glVertex2i(left, top);
    glEnd();
}

void bind(const Texture& texture) {
    glBindTexture(GL_TEXTURE_2D, texture.id);
}

// An empty texture when the file cannot be loaded.
Texture loadThumbnail(const std::string& path) {
    Texture texture;
    texture.load(path, Linear);
    return texture;
}

// Every type without a picture of its own shows the marine, loaded once and shared.
void loadThumbnails() {
    thumbnails.fill(loadThumbnail("data\\textures\\unit_thumbs\\marine.bmp"));
    thumbnails[TypeBaseCenter] = loadThumbnail("data\\textures\\unit_thumbs\\base_center.bmp");
    thumbnails[TypeBarracks] = loadThumbnail("data\\textures\\unit_thumbs\\barracks.bmp");
    thumbnails[TypeWorker] = loadThumbnail("data\\textures\\unit_thumbs\\worker.bmp");
}

void fillButton(int slot, const Texture& icon, const std::string& description) {
    PanelButton& button = panelButtons[static_cast<std::size_t>(slot)];
    button = PanelButton{};
    button.x = 10;
    button.y = 90;
    button.icon = &icon;
    button.description = description;
}

// The art's black is transparent: the left half, its mirror image at the right edge, and between them
// the bar repeating every few pixels.
void drawArtwork(int width) {
    glColor4ub(255, 255, 255, 255);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.0f);
    bind(panelArt);
    drawQuad(0, 0, ArtSize, ArtSize);
    drawQuad(width - ArtSize, 0, width, ArtSize, 1.0, 0.0);
    bind(panelBar);
    drawQuad(ArtSize, 0, width - ArtSize, ArtSize, 0.0, (width - 2 * ArtSize) / BarRepeatPixels);
    glDisable(GL_ALPHA_TEST);
}

// A pressed button sits 2 pixels right and down.
void runButtons(const PanelMouse& mouse) {
    for (PanelButton& button : panelButtons) {
        if (!button.visible)
            continue;
        const int shift = button.pressed ? 2 : 0;
        bind(button.icon ? *button.icon : noThumbnail);
        drawQuad(button.x + shift, button.y - shift, button.x + shift + PanelButton::Size,
                 button.y - shift + PanelButton::Size);
        if (trackPanelButton(button, mouse))
            playClick();
    }
}

void describeButtonsUnder(const PanelMouse& mouse) {
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    for (const PanelButton& button : panelButtons) {
        if (!button.visible || !isMouseOver(button, mouse))
            continue;
        glDisable(GL_TEXTURE_2D);
        glColor4ub(128, 128, 128, 128);
        drawQuad(0, 162, 300, 392);
        glEnable(GL_TEXTURE_2D);
        glColor4ub(0, 0, 0, 255);
        printBox(interfaceFont, button.description, 10, 300, 370, 16, false, false);
    }
}

void printResources(int width) {
    const ResourceSack& stock = PlayerManager::getInstance()->getPlayer(1).getResources();
    char text[64];
    std::snprintf(text, sizeof text, "Metal: %d\nVerion Oil: %d", stock.metal(), stock.oil());
    glColor4ub(0, 0, 0, 255);
    print(interfaceFont, text, width - 216, 130, 24, false);
}

} // namespace

void loadPanel() {
    loadColorKeyedTexture(panelArt, "data\\textures\\interface\\panel.png", Black, Linear);
    loadColorKeyedTexture(panelBar, "data\\textures\\interface\\panel_bar.png", Black, Linear);
    loadThumbnails();
    loadInterfaceFont();
    hidePanelButtons();
    fillButton(PlayerSelector::TrainWorker, thumbnails[TypeWorker], WorkerDescription);
    fillButton(PlayerSelector::TrainMarine, thumbnails[TypeSecondMarine], MarineDescription);
}

const Texture& thumbnailOf(WorldObjectType type) {
    if (type < 0 || type >= WorldObjectTypeCount)
        return noThumbnail;
    return thumbnails[static_cast<std::size_t>(type)];
}

PanelMouse readPanelMouse() {
    static bool leftWasDown = false;
    const platform::Point cursor = platform::screenToClient(platform::cursorPosition());
    PanelMouse mouse;
    mouse.x = cursor.x;
    mouse.y = ClientHeight - cursor.y;
    mouse.leftDown = platform::keyHeld(KeyLeftButton);
    mouse.leftWasDown = leftWasDown;
    leftWasDown = mouse.leftDown;
    return mouse;
}

void drawPanel(const PanelMouse& mouse) {
    drawArtwork(ClientWidth);
    runButtons(mouse);
    glEnable(GL_BLEND);
    describeButtonsUnder(mouse);
    printResources(ClientWidth);
    glDisable(GL_BLEND);
}

void drawSelectedObject(WorldObjectType type, const std::string& name, int32_t hitPoints,
                        int32_t maxHitPoints, const std::string& state) {
    glColor4ub(255, 255, 255, 255);
    glEnable(GL_TEXTURE_2D);
    bind(thumbnailOf(type));
    drawQuad(260, 5, 350, 95);
    glEnable(GL_BLEND);
    glColor4ub(0, 0, 0, 255);
    print(interfaceFont, name, 357, 75, 32, false);
    print(interfaceFont, std::to_string(hitPoints) + "/" + std::to_string(maxHitPoints), 360, 50, 16, false);
    print(interfaceFont, state, 360, 30, 16, false);
    glDisable(GL_BLEND);
}

void drawSelectionThumbnail(WorldObjectType type, int index) {
    constexpr int Pitch = 35;
    constexpr int Picture = 32;
    // A window too narrow for the grid still keeps one column.
    const int columns = std::max(1, (ClientWidth - 522) / Pitch);
    const int row = index / columns;
    const int column = index % columns;
    const int left = 266 + Pitch * column;
    const int bottom = 68 - Pitch * row;
    glColor4ub(255, 255, 255, 255);
    glEnable(GL_TEXTURE_2D);
    bind(thumbnailOf(type));
    drawQuad(left, bottom, left + Picture, bottom + Picture);
}
