#include "ui/menu/MenuSetup.h"

#include "platform/Platform.h"
#include "render/Fonts.h"
#include "sound/GameSounds.h"
#include "sound/SoundSystem.h"
#include "ui/menu/LoadingScreen.h"
#include "ui/menu/MenuArt.h"
#include "ui/menu/MenuScreen.h"
#include "ui/menu/MessageBoxes.h"

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
