// A WAV file as the game loads a sound: its bytes into a wave slot, then asked for its OpenAL
// buffer format.
#include "FuzzTarget.h"

#include "files/CWaves.h"

namespace {

// Stands in for OpenAL's alGetEnumValue: every name the reader asks for is a known format.
int32_t knownFormat(const char*) {
    return 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static CWaves waves;
    int id = -1;
    if (waves.loadWave({data, size}, id) != WaveOk)
        return 0;
    const WaveInfo* wave = waves.wave(id);
    require(wave != nullptr, "a loaded wave has a slot");
    require(wave->data.size() == wave->dataSize, "every sample byte loaded");
    int32_t format = 0;
    waves.getAlBufferFormat(id, knownFormat, format);
    require(waves.deleteWaveFile(id) == WaveOk, "a loaded wave can be deleted");
    return 0;
}
