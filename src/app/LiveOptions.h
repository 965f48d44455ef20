#pragma once

#include "app/OptionsStore.h"
#include "platform/Platform.h"

#include <string>
#include <vector>

// The options in force: read from the player's file at start, applied to the window, the
// textures, the sound, the shadows, the panel and the mouse, shown on the menu's pages, and
// applied and written again whenever the player changes one there. Trouble with the file is
// said in the log, once, and the game goes on.
class LiveOptions {
public:
    // Before the window: the file read.
    void load(OptionsStore store);
    // The window the options ask for.
    platform::WindowShape windowShape() const;
    // After the loading sequence: everything applied and shown on the pages.
    void applyAtStart();
    // Once the log is open: what the file had wrong.
    void reportTrouble();
    // Every frame the menu shows: the pages' values taken, and what changed applied and written.
    void follow();

    const PlayerOptions& inUse() const { return options; }

private:
    void apply(const PlayerOptions* before);
    void save();

    OptionsStore store{""};
    PlayerOptions options;
    std::vector<std::string> trouble;
    bool started = false; // the pages show the options
    bool writeFailed = false;
};

// The options of the window's game.
LiveOptions& liveOptions();
