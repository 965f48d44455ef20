#include "client/menu/MenuScene.h"

#include "client/menu/MenuArt.h"
#include "client/menu/MenuMouse.h"
#include "client/menu/MenuQuads.h"
#include "client/menu/MenuScreen.h"
#include "client/menu/MessageBoxes.h"
#include "client/render/Fonts.h"
#include "client/render/RenderContext.h"
#include "core/Input.h"
#include "platform/Platform.h"

#include <GL/glew.h>

#include <cstdio>

namespace {

const char* const ExitQuestion =
    "Are you sure you want to quit? Because there are thousands of other things you can do, of course it's "
    "better than playing some RTS, that's not even working!";
const char* const CreditsText = "Orvalen\nversion 1.0\n\nA small real-time strategy game:\ngather metal and "
                                "Vermilion oil,\ntrain workers and marines.\n\nMade by the Orvalen team.";
const char* const CampaignNotice =
    "Campaign is not yet supported. However, it is possible, that in some later versions of this game, there "
    "will be a complete storyline, campaign and more races. But for now, you must conciliate only with "
    "singleplayer without AI or multiplayer.";

void drawBackdrop() {
    holdMenuBackground(true);
    glEnable(GL_TEXTURE_2D);
    glColor3ub(255, 255, 255);
    drawTexturedQuad(menuArt.background, 0.0f, 0.0f, static_cast<float>(ClientWidth),
                     static_cast<float>(ClientHeight));
    printBox(menuFont, "Orvalen", 0, ClientWidth, ClientHeight - 60, 48, true, false);
    printBox(menuFont, "(version 1.0)", 0, ClientWidth, ClientHeight - 110, 24, true, false);
}

// The exit question's answer: YES ends the game, NO just closes the box.
void answerExitBox() {
    const int state = messageBoxes[ExitBox].state;
    if (state == MessageBoxSlot::Yes)
        platform::postQuitMessage(0);
    else if (state == MessageBoxSlot::No)
        closeMessageBox(ExitBox);
}

std::string percentText(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d %%", value);
    return text;
}

void drawMenusAndPage() {
    glEnable(GL_BLEND);
    // In a narrow window the open page reaches over the columns, and is drawn over them.
    const WindowArea page = currentPageFrame();
    menuScreen.mainMenu.draw(page);
    menuScreen.newGameMenu.draw(page);
    menuScreen.optionsMenu.draw(page);
    menuScreen.multiplayerMenu.draw(page);
    menuScreen.videoPage.draw();
    menuScreen.audioPage.draw();
    menuScreen.gamePage.draw();
    menuScreen.customMapPage.draw();
    OptionsPage& audio = menuScreen.audioPage;
    audio.labels[0].text = percentText(audio.sliders[0].value());
    audio.labels[1].text = percentText(audio.sliders[1].value());
    glDisable(GL_BLEND);
}

// Shows `shown` and hides the other two sub-menus.
void switchSubMenu(Menu& shown) {
    for (Menu* menu : {&menuScreen.newGameMenu, &menuScreen.optionsMenu, &menuScreen.multiplayerMenu})
        if (menu != &shown)
            menu->hide();
    shown.show();
}

void actOnClicks() {
    Menu& main = menuScreen.mainMenu;
    if (main.takeClick(0))
        switchSubMenu(menuScreen.newGameMenu);
    if (main.takeClick(1))
        switchSubMenu(menuScreen.multiplayerMenu);
    if (main.takeClick(2))
        switchSubMenu(menuScreen.optionsMenu);
    if (main.takeClick(3))
        showMessageBox(CreditsBox, CreditsText, MessageBoxSlot::Ok, 220);
    if (main.takeClick(4))
        showMessageBox(ExitBox, ExitQuestion, MessageBoxSlot::YesNo, 125);

    if (menuScreen.newGameMenu.takeClick(0))
        showMessageBox(CampaignBox, CampaignNotice, MessageBoxSlot::Ok, 125);
    if (menuScreen.newGameMenu.takeClick(1))
        menuScreen.customMapPage.open();

    if (menuScreen.optionsMenu.takeClick(0))
        menuScreen.videoPage.open();
    if (menuScreen.optionsMenu.takeClick(1))
        menuScreen.audioPage.open();
    if (menuScreen.optionsMenu.takeClick(2))
        menuScreen.gamePage.open();

    menuScreen.multiplayerMenu.takeClick(0); // "Create Game" and "Find LAN Games": only the click sound
    menuScreen.multiplayerMenu.takeClick(1);
}

} // namespace

void drawMenuScene() {
    readMenuMouse();
    enterOrthoMode();
    drawBackdrop();
    if (drawMessageBoxes()) {
        answerExitBox();
    } else {
        drawMenusAndPage();
        if (menuScreen.mainMenu.visible())
            actOnClicks();
    }
    leaveOrthoMode();
}
