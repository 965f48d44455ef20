#pragma once

#include "files/OptionsFile.h"

// The option pages' widgets and the player's options: the pages show the options in use, and say
// which options the player has set on them since.

// Sets every widget of the video, audio and game pages from the options in use. `windowSize` is the
// resolution in use when the player has chosen none; the resolution list offers it if it is not
// one of its own. `defaultName` is the name the field shows while the player has given none.
void showOptions(const PlayerOptions& options, PlayerOptions::Resolution windowSize,
                 const std::string& defaultName);

// The options as the widgets now say, starting from `inUse`: a resolution or a name the player has
// not changed stays unset.
PlayerOptions optionsShown(const PlayerOptions& inUse);
