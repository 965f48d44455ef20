#pragma once

#include "client/menu/CustomMapPage.h"
#include "client/menu/Menu.h"
#include "client/menu/OptionsPage.h"

#include <string>

// Everything the front-end menu shows, built once and kept for the whole run.
struct MenuScreen {
    Menu mainMenu;        // "New Game", "Multiplayer", "Options", "Credits", "Exit", from the left
    Menu newGameMenu;     // "Campaign", "Custom Map", from the right
    Menu optionsMenu;     // "Video", "Audio", "Game Options"
    Menu multiplayerMenu; // "Create Game", "Find LAN Games"
    OptionsPage videoPage;
    OptionsPage audioPage;
    OptionsPage gamePage;
    CustomMapPage customMapPage;
};

extern MenuScreen menuScreen;

// The message box slots the menu uses.
enum MenuBox : size_t { ExitBox = 0, CreditsBox = 1, CampaignBox = 2, MapBox = 3 };

// Builds the four menus (button rows placed for a window `windowHeight` tall) and the four pages
// with their start values, and shows the main menu.
void buildMenuScreen(int windowHeight);

// "Another Player", "Just A Player" or "Player", by one or two draws of the menu's own generator.
std::string defaultPlayerName();
