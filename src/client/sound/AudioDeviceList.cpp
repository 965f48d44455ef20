#include "client/sound/AudioDeviceList.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr int MaxSources = 256;

} // namespace

AudioDeviceList::AudioDeviceList(const std::string& libraryName) {
    if (loadOpenAlLibrary(entryPoints, libraryName) &&
        entryPoints.alcIsExtensionPresent(nullptr, "ALC_ENUMERATION_EXT"))
        survey();
}

AudioDeviceList::~AudioDeviceList() {
    unloadOpenAlLibrary();
}

const char* AudioDeviceList::getDeviceName(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= devices.size())
        return nullptr;
    return devices[static_cast<size_t>(index)].name.c_str();
}

// The enumeration is a run of zero-terminated names that ends with an empty one.
void AudioDeviceList::survey() {
    const char* name = entryPoints.alcGetString(nullptr, ALC_DEVICE_SPECIFIER);
    const char* defaultName = entryPoints.alcGetString(nullptr, ALC_DEFAULT_DEVICE_SPECIFIER);
    for (int32_t index = 0; name && *name; ++index, name += std::strlen(name) + 1) {
        if (defaultName && std::strcmp(name, defaultName) == 0)
            defaultIndex = index;
        surveyDevice(name);
    }
    for (AudioDeviceInfo& device : devices)
        device.selected = true;
    filterValue = 0;
}

void AudioDeviceList::surveyDevice(const char* name) {
    ALCdevice* device = entryPoints.alcOpenDevice(name);
    if (!device)
        return;
    ALCcontext* context = entryPoints.alcCreateContext(device, nullptr);
    if (context) {
        entryPoints.alcMakeContextCurrent(context);
        recordDevice(device, entryPoints.alcGetString(device, ALC_DEVICE_SPECIFIER));
        entryPoints.alcMakeContextCurrent(nullptr);
        entryPoints.alcDestroyContext(context);
    }
    entryPoints.alcCloseDevice(device);
}

void AudioDeviceList::recordDevice(ALCdevice* device, const char* actualName) {
    if (!actualName || !*actualName || isRecorded(actualName))
        return;
    AudioDeviceInfo info;
    info.name = actualName;
    entryPoints.alcGetIntegerv(device, ALC_MAJOR_VERSION, 1, &info.majorVersion);
    entryPoints.alcGetIntegerv(device, ALC_MINOR_VERSION, 1, &info.minorVersion);
    info.extensions = probeExtensions(device);
    info.sourceCount = countSources();
    devices.push_back(std::move(info));
}

std::vector<std::string> AudioDeviceList::probeExtensions(ALCdevice* device) const {
    static const char* const DeviceExtensions[] = {"ALC_EXT_CAPTURE", "ALC_EXT_EFX"};
    static const char* const ContextExtensions[] = {"AL_EXT_OFFSET",
                                                    "AL_EXT_LINEAR_DISTANCE",
                                                    "AL_EXT_EXPONENT_DISTANCE",
                                                    "EAX2.0",
                                                    "EAX3.0",
                                                    "EAX4.0",
                                                    "EAX5.0",
                                                    "EAX-RAM"};
    std::vector<std::string> present;
    for (const char* name : DeviceExtensions) {
        if (entryPoints.alcIsExtensionPresent(device, name))
            present.push_back(name);
    }
    for (const char* name : ContextExtensions) {
        if (entryPoints.alIsExtensionPresent(name))
            present.push_back(name);
    }
    return present;
}

// Makes sources one at a time until the device refuses one, then gives them back.
uint32_t AudioDeviceList::countSources() const {
    std::array<ALuint, MaxSources> sources{};
    entryPoints.alGetError();
    int count = 0;
    while (count < MaxSources) {
        entryPoints.alGenSources(1, &sources[static_cast<size_t>(count)]);
        if (entryPoints.alGetError() != AL_NO_ERROR)
            break;
        ++count;
    }
    entryPoints.alDeleteSources(count, sources.data());
    if (entryPoints.alGetError() != AL_NO_ERROR) {
        for (ALuint& source : sources)
            entryPoints.alDeleteSources(1, &source);
    }
    return static_cast<uint32_t>(count);
}

bool AudioDeviceList::isRecorded(const std::string& name) const {
    return std::any_of(devices.begin(), devices.end(),
                       [&](const AudioDeviceInfo& device) { return device.name == name; });
}
