#include "client/sound/SoundSource.h"

#include "client/sound/SoundSystem.h"

bool loadSound(SoundSource& record, const std::string& fileName) {
    alGenBuffers(1, &record.buffer);
    if (!loadWaveToBuffer(fileName, record.buffer))
        return false;
    alGenSources(1, &record.source);
    alSourcei(record.source, AL_BUFFER, static_cast<ALint>(record.buffer));
    return true;
}

void playSound(const SoundSource& record) {
    if (record.source != 0)
        alSourcePlay(record.source);
}
