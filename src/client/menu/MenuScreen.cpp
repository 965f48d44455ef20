#include "client/menu/MenuScreen.h"

#include "core/RandomGenerator.h"

MenuScreen menuScreen;

namespace {

// Unseeded: the menu is built before the game set-up reads the time, so every start offers the same
// name.
RandomGenerator nameRandom;

void buildVideoPage(OptionsPage& page) {
    page.title = "Video options";
    page.height = 450;
    page.checkboxes = {{20, 350, "Fullscreen", false}, {300, 350, "Enable Shadows", false}};
    page.dropDownLists = {
        {20, 300, 250, "Texture quality:", {"Low", "Medium", "High"}, 0, false},
        {20, 230, 250, "Resolution:", {"800x600", "1024x768", "1280x1024"}, 0, false},
        {20, 160, 250, "Texture Filtering:", {"Bilinear", "Trilinear"}, 0, false},
    };
}

void buildAudioPage(OptionsPage& page) {
    page.title = "Sound Options";
    page.height = 300;
    Slider sound;
    sound.label = "Sound volume:";
    sound.y = 210;
    Slider music;
    music.label = "Music volume:";
    music.y = 150;
    page.sliders = {sound, music};
    // What the labels say before the first menu frame writes the sliders' values into them.
    page.labels = {{"100%", 155, 180}, {"100%", 155, 120}};
    page.checkboxes = {{20, 70, "Unit Responses", true}};
}

void buildGamePage(OptionsPage& page) {
    page.title = "Game Options";
    page.height = 300;
    page.labels = {{"Player Name:", 20, 220}};
    page.textFields.emplace_back(20, 150, 320, 20, defaultPlayerName());
    page.checkboxes = {{20, 50, "Invert Mouse Buttons", false}};
}

} // namespace

std::string defaultPlayerName() {
    if (nameRandom.next() % 2 == 1)
        return "Another Player";
    return nameRandom.next() % 2 == 1 ? "Just A Player" : "Player";
}

void buildMenuScreen(int windowHeight) {
    menuScreen.mainMenu.create({"New Game", "Multiplayer", "Options", "Credits", "Exit"}, true, windowHeight);
    menuScreen.newGameMenu.create({"Campaign", "Custom Map"}, false, windowHeight);
    menuScreen.optionsMenu.create({"Video", "Audio", "Game Options"}, false, windowHeight);
    menuScreen.multiplayerMenu.create({"Create Game", "Find LAN Games"}, false, windowHeight);
    buildVideoPage(menuScreen.videoPage);
    buildAudioPage(menuScreen.audioPage);
    buildGamePage(menuScreen.gamePage);
    menuScreen.customMapPage.build();
    menuScreen.mainMenu.show();
}
