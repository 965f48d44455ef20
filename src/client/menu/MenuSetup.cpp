#include "client/menu/MenuSetup.h"

#include "client/menu/LoadingScreen.h"
#include "client/menu/MenuArt.h"
#include "client/menu/MenuScreen.h"
#include "client/menu/MessageBoxes.h"
#include "client/render/Fonts.h"
#include "client/sound/GameSounds.h"
#include "client/sound/SoundSystem.h"
#include "platform/Platform.h"

void setUpMenu() {
    loadMenuFont();
    startSound(); // a failure leaves the game silent
    resetMessageBoxes();
    showLoadingProgress("Loading menu textures...", 10);
    loadMenuArt();
    showLoadingProgress("Loading menu sounds...", 25);
    loadMenuSounds();
    // The window's first size message is handled only once the main loop runs; ask the window.
    const platform::Rect client = platform::clientRect();
    buildMenuScreen(client.bottom - client.top);
}
