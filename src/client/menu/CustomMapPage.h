#pragma once

#include "client/menu/OptionsPage.h"
#include "client/render/Texture.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// What the player chose on the "Custom Map" page for a skirmish.
struct SkirmishChoice {
    std::string mapPath; // as the game names it, "data\maps\motac.ktqw"
    bool computerOpponent = true;
    int32_t enemyMarines = 0;
};

// The "Custom Map" page behind New Game: the map with its preview, the opponent, the enemy's
// Marines at start and "Start". It lists the maps of data\maps when it is built.
class CustomMapPage {
public:
    static constexpr int MostMarines = 50; // the slider's range; the command line reaches further

    void build();
    void open() { page.open(); }
    bool current() const { return page.current(); }
    // Draws and polls the page while it is the current one; the preview of the chosen map is loaded
    // the first time it is shown.
    void draw();
    // The choice, once "Start" was clicked since the last call.
    std::optional<SkirmishChoice> takeStart();

    OptionsPage& widgets() { return page; }

private:
    enum List : std::size_t { MapList = 0, OpponentList = 1 };

    const Texture* preview(const std::string& mapPath);
    SkirmishChoice shownChoice() const;

    OptionsPage page;
    std::vector<std::string> maps;
    std::map<std::string, Texture> previews; // no texture: the map has no picture
    bool startClicked = false;
};
