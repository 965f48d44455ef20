#include "client/sound/SoundSystem.h"

#include "client/sound/AudioDeviceList.h"
#include "files/CWaves.h"

#include <algorithm>
#include <memory>

namespace {

std::unique_ptr<CWaves> WaveLoader;

// The device and its context stay open until the process ends.
bool openFirstSurveyedDevice(const std::string& libraryName) {
    AudioDeviceList survey(libraryName);
    const char* name = survey.getDeviceName(0);
    if (!name)
        return false;
    ALCdevice* device = alcOpenDevice(name);
    if (!device)
        return false;
    ALCcontext* context = alcCreateContext(device, nullptr);
    if (!context) {
        alcCloseDevice(device);
        return false;
    }
    alcMakeContextCurrent(context);
    return true;
}

} // namespace

bool startSound(const std::string& libraryName) {
    WaveLoader = std::make_unique<CWaves>();
    bool started = openFirstSurveyedDevice(libraryName);
    if (!started)
        WaveLoader.reset();
    return started;
}

void setSoundVolume(int percent) {
    if (WaveLoader)
        alListenerf(AL_GAIN, static_cast<ALfloat>(std::clamp(percent, 0, 100)) / 100.0f);
}

bool loadWaveToBuffer(const std::string& fileName, ALuint buffer) {
    if (!WaveLoader)
        return false;
    int id = 0;
    if (WaveLoader->loadWaveFile(fileName, id) != WaveOk)
        return false;
    int32_t format = 0;
    bool filled = false;
    if (WaveLoader->getAlBufferFormat(id, alGetEnumValue, format) == WaveOk) {
        const WaveInfo& wave = *WaveLoader->wave(id);
        alGetError();
        alBufferData(buffer, format, wave.data.data(), static_cast<ALsizei>(wave.dataSize),
                     static_cast<ALsizei>(wave.format.samplesPerSec));
        filled = alGetError() == AL_NO_ERROR;
    }
    WaveLoader->deleteWaveFile(id);
    return filled;
}
