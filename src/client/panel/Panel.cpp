#include "client/panel/Panel.h"

#include "client/MouseButton.h"
#include "client/render/Fonts.h"
#include "client/sound/GameSounds.h"
#include "core/Input.h"
#include "core/VirtualKey.h"
#include "sim/economy/Prices.h"
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
constexpr int NameBaseline = 80; // the player's name, under the stock

const std::string WorkerDescription =
    "Basic working unit. Has ability to build or repair buildings and gather resources.\n\n";
const std::string BarracksDescription =
    "Trains Marines. A Worker builds it where you place it: click on free ground, Escape or a right click "
    "to put it away.\n\n";
const std::string MarineDescription =
    "Basic infantry for general purpose. Weak against vehicles, good for soon rushes.\n\nDamage:4\n";

// The price line of a button's description, from the price table: "Cost:60M 20O".
std::string costLine(WorldObjectType type) {
    const ResourceSack price = priceOf(type);
    std::string line = "Cost:" + std::to_string(price.metal()) + "M";
    if (price.oil() > 0)
        line += " " + std::to_string(price.oil()) + "O";
    return line;
}

Texture panelArt;
Texture panelBar;
// Side 1's and the neutral piles' pictures of each type, and side 2's where it has its own.
std::array<Texture, WorldObjectTypeCount> sideOneThumbnails;
std::array<Texture, WorldObjectTypeCount> sideTwoThumbnails;
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

// Every type has its portrait: side 1's under the plain name, side 2's with "_2". A type without
// a picture of its own (a site shows its building's) shows the marine, loaded once and shared.
void loadThumbnails() {
    const std::string folder = "data\\textures\\unit_thumbs\\";
    sideOneThumbnails.fill(loadThumbnail(folder + "marine.bmp"));
    sideTwoThumbnails.fill(Texture{});
    const struct {
        WorldObjectType type;
        const char* picture;
        bool sided;
    } portraits[] = {
        {TypeMarine, "marine", true},
        {TypeSecondMarine, "marine", true},
        {TypeScout, "scout", true},
        {TypeBarracks, "barracks", true},
        {TypeOilRafinery, "refinery", true},
        {TypeWorker, "worker", true},
        {TypeBaseCenter, "base_center", true},
        {TypeMetalPile, "metal_pile", false},
        {TypeOilPile, "oil_pile", false},
    };
    for (const auto& portrait : portraits) {
        const auto type = static_cast<std::size_t>(portrait.type);
        if (portrait.type != TypeMarine)
            sideOneThumbnails[type] = loadThumbnail(folder + portrait.picture + ".bmp");
        if (portrait.sided)
            sideTwoThumbnails[type] = loadThumbnail(folder + portrait.picture + "_2.bmp");
    }
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

std::optional<std::string> playerName;

void printResources(int width) {
    const ResourceSack& stock = PlayerManager::getInstance()->getPlayer(1).getResources();
    char text[64];
    std::snprintf(text, sizeof text, "Metal: %d\nVerion Oil: %d", stock.metal(), stock.oil());
    glColor4ub(0, 0, 0, 255);
    print(interfaceFont, text, width - 216, 130, 24, false);
    // Inside the panel, under the stock: above it the name would stand on the ground, where dark
    // terrain swallows black text.
    if (playerName)
        print(interfaceFont, *playerName, width - 216, NameBaseline, 20, false);
}

} // namespace

void loadPanel() {
    loadColorKeyedTexture(panelArt, "data\\textures\\interface\\panel.png", Black, Linear);
    loadColorKeyedTexture(panelBar, "data\\textures\\interface\\panel_bar.png", Black, Linear);
    loadThumbnails();
    loadInterfaceFont();
    hidePanelButtons();
    fillButton(PlayerSelector::TrainWorker, sideOneThumbnails[TypeWorker],
               WorkerDescription + costLine(TypeWorker));
    fillButton(PlayerSelector::TrainMarine, sideOneThumbnails[TypeSecondMarine],
               MarineDescription + costLine(TypeSecondMarine));
    fillButton(PlayerSelector::BuildBarracks, sideOneThumbnails[TypeBarracks],
               BarracksDescription + costLine(TypeBarracks));
}

const Texture& thumbnailOf(WorldObjectType type, int32_t owner) {
    if (type < 0 || type >= WorldObjectTypeCount)
        return noThumbnail;
    const auto index = static_cast<std::size_t>(type);
    return owner == 2 && sideTwoThumbnails[index].id != 0 ? sideTwoThumbnails[index]
                                                          : sideOneThumbnails[index];
}

PanelMouse readPanelMouse() {
    static MouseButton left;
    const MouseButton::Reading reading = left.read(KeyLeftButton);
    return {reading.at.x, reading.at.y, reading.down, reading.wasDown};
}

void drawPanel(const PanelMouse& mouse) {
    drawArtwork(ClientWidth);
    runButtons(mouse);
    glEnable(GL_BLEND);
    describeButtonsUnder(mouse);
    printResources(ClientWidth);
    glDisable(GL_BLEND);
}

void drawSelectedObject(WorldObjectType type, int32_t owner, const std::string& name, int32_t hitPoints,
                        int32_t maxHitPoints, const std::string& state) {
    glColor4ub(255, 255, 255, 255);
    glEnable(GL_TEXTURE_2D);
    bind(thumbnailOf(type, owner));
    drawQuad(260, 5, 350, 95);
    glEnable(GL_BLEND);
    glColor4ub(0, 0, 0, 255);
    print(interfaceFont, name, 357, 75, 32, false);
    print(interfaceFont, std::to_string(hitPoints) + "/" + std::to_string(maxHitPoints), 360, 50, 16, false);
    print(interfaceFont, state, 360, 30, 16, false);
    glDisable(GL_BLEND);
}

void drawSelectionThumbnail(WorldObjectType type, int32_t owner, int index) {
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
    bind(thumbnailOf(type, owner));
    drawQuad(left, bottom, left + Picture, bottom + Picture);
}

void drawTrainingQueue(const std::vector<WorldObjectType>& queued, int32_t owner, double progress) {
    constexpr int Left = 600, Bottom = 58, Picture = 24, Pitch = 26, BarHeight = 4;
    glColor4ub(255, 255, 255, 255);
    glEnable(GL_TEXTURE_2D);
    for (std::size_t i = 0; i < queued.size(); ++i) {
        const int left = Left + Pitch * static_cast<int>(i);
        bind(thumbnailOf(queued[i], owner));
        drawQuad(left, Bottom, left + Picture, Bottom + Picture);
    }
    if (queued.empty())
        return;
    glDisable(GL_TEXTURE_2D);
    const int filled = static_cast<int>(Picture * std::clamp(progress, 0.0, 1.0));
    glColor4ub(30, 30, 30, 255);
    drawQuad(Left, Bottom - BarHeight - 2, Left + Picture, Bottom - 2);
    glColor4ub(40, 220, 40, 255);
    drawQuad(Left, Bottom - BarHeight - 2, Left + filled, Bottom - 2);
}

void setPanelPlayerName(const std::optional<std::string>& name) {
    playerName = name;
}

const std::optional<std::string>& panelPlayerName() {
    return playerName;
}
