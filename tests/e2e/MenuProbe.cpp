// Renders menu scenes with the game's own menu code, for end-to-end tests to compare the game's
// screen with. Run in a game folder, under an X server of the game's screen size:
//
//   orvalen_menu_probe OUTDIR SCENE...
//
// Each scene writes OUTDIR/NAME.ppm, the whole window after one menu frame, everything at rest:
//   main NAME                           the main menu, no page
//   audio NAME SOUND MUSIC SOUND_LABEL MUSIC_LABEL
//                                       the options menu and the audio page, the two knobs at these
//                                       positions and the labels with these texts
//   name NAME TEXT CARET shown|hidden   the options menu and the game page, the player-name field
//                                       focused, holding TEXT with the caret after CARET characters
//   video NAME QUALITY RESOLUTION FILTERING FULLSCREEN SHADOWS
//                                       the options menu and the video page, the three lists closed
//                                       on these items and the check boxes set (1) or clear (0)
//   box NAME SLOT TYPE HALFHEIGHT TEXT  that message box open over the menu (closed again after)
// Scenes run in order on one menu: a page once opened stays current, as in the game.
#include "client/menu/MenuScene.h"
#include "client/menu/MenuScreen.h"
#include "client/menu/MenuSetup.h"
#include "client/menu/MessageBoxes.h"
#include "client/render/RenderContext.h"
#include "core/FrameClock.h"
#include "core/Input.h"
#include "core/TextField.h"
#include "support/GlWindow.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

void menuFrames(int count, float seconds) {
    DeltaSeconds = seconds;
    for (int i = 0; i < count; ++i)
        drawMenuScene();
}

// Long frames: every menu and page reaches its resting place.
void settle() {
    menuFrames(3, 10.0f);
}

void showAudioPage(int sound, int music, const std::string& soundLabel, const std::string& musicLabel) {
    menuScreen.optionsMenu.show();
    menuScreen.audioPage.open();
    menuScreen.audioPage.sliders.at(0).position = sound;
    menuScreen.audioPage.sliders.at(1).position = music;
    settle();
    // The scene writes the sliders' values into the labels after drawing them, so these show.
    menuScreen.audioPage.labels[0].text = soundLabel;
    menuScreen.audioPage.labels[1].text = musicLabel;
    menuFrames(1, 0.0f);
}

void showNameField(const std::string& text, int caret, bool caretShown) {
    menuScreen.optionsMenu.show();
    menuScreen.gamePage.open();
    settle();
    ITextField& field = menuScreen.gamePage.textFields.at(0);
    field.setCaret(static_cast<int>(field.text().size()));
    while (!field.text().empty())
        field.eraseBefore();
    field.insert(text);
    field.setCaret(caret);
    FocusedTextField = &field;
    menuFrames(1, 1.5f); // the blink timer passes a second and starts again
    menuFrames(1, caretShown ? 0.75f : 0.25f);
}

void showVideoPage(const std::vector<int>& selected, bool fullscreen, bool shadows) {
    menuScreen.optionsMenu.show();
    menuScreen.videoPage.open();
    for (size_t list = 0; list < selected.size(); ++list)
        menuScreen.videoPage.dropDownLists.at(list).selected = selected[list];
    menuScreen.videoPage.checkboxes.at(0).checked = fullscreen;
    menuScreen.videoPage.checkboxes.at(1).checked = shadows;
    settle();
}

void showBox(size_t slot, int type, int halfHeight, const std::string& text) {
    showMessageBox(slot, text, type, halfHeight);
    menuFrames(1, 0.0f);
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || !openGlWindow()) {
        std::cerr << "orvalen_menu_probe: no window\n";
        return 2;
    }
    setUpMenu();
    settle();
    const std::string folder = args[0];
    for (size_t i = 1; i < args.size();) {
        const std::string& kind = args[i];
        const size_t arity = kind == "main"    ? 1
                             : kind == "audio" ? 5
                             : kind == "name"  ? 4
                             : kind == "video" ? 6
                             : kind == "box"   ? 5
                                               : 0;
        if (arity == 0 || i + arity >= args.size()) {
            std::cerr << "orvalen_menu_probe: bad scene at '" << kind << "'\n";
            return 2;
        }
        const std::string& name = args[i + 1];
        if (kind == "audio")
            showAudioPage(std::stoi(args[i + 2]), std::stoi(args[i + 3]), args[i + 4], args[i + 5]);
        else if (kind == "name")
            showNameField(args[i + 2], std::stoi(args[i + 3]), args[i + 4] == "shown");
        else if (kind == "video")
            showVideoPage({std::stoi(args[i + 2]), std::stoi(args[i + 3]), std::stoi(args[i + 4])},
                          args[i + 5] == "1", args[i + 6] == "1");
        else if (kind == "box")
            showBox(std::stoul(args[i + 2]), std::stoi(args[i + 3]), std::stoi(args[i + 4]), args[i + 5]);
        else
            menuFrames(1, 0.0f);
        if (!writePpm(folder + "/" + name + ".ppm", windowPixels()))
            return 1;
        resetMessageBoxes();
        i += arity + 1;
    }
    platform::destroyWindow();
    return 0;
}
