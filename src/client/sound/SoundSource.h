#pragma once

#include <cstdint>
#include <string>

// One playable sound: an OpenAL buffer and a source bound to it; 0 means none.
struct SoundSource {
    uint32_t buffer = 0;
    uint32_t source = 0;
};

// Fills the record from a WAV file. On failure the record gets no source and stays silent;
// callers go on regardless.
bool loadSound(SoundSource& record, const std::string& fileName);

// Starts the record's source from the beginning; a record without a source plays nothing.
void playSound(const SoundSource& record);
