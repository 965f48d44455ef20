#pragma once

#include "client/sound/OpenAlEntryPoints.h"

#include <string>

// Starts sound: creates the process-wide WAV loader and opens the first audio device the survey
// finds, with a current context. On failure there is no loader and no device; every later sound
// load fails quietly and the game runs silently. Called once, at the menu set-up.
bool startSound(const std::string& libraryName = OpenAlLibraryName);

// The loudness of every sound, 0 (silent) to 100 (as recorded). Nothing without sound.
void setSoundVolume(int percent);

// Fills an OpenAL buffer with the samples of a WAV file through the process-wide loader. False
// when sound did not start or the file cannot be used.
bool loadWaveToBuffer(const std::string& fileName, ALuint buffer);
