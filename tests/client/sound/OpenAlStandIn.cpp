// A stand-in for the OpenAL library, loaded by the device survey in place of the real one. It
// offers every entry point by name; only those the survey calls do anything. Its enumeration
// lists three names: the first and the third open to the same device, the second does not open,
// and the third is the system default. It makes at most SourceLimit sources.
// Built a second time without alcGetEnumValue.
#include <cstring>

namespace {

constexpr int DeviceSpecifier = 0x1005;
constexpr int DefaultDeviceSpecifier = 0x1004;
constexpr int MajorVersion = 0x1000;
constexpr int MinorVersion = 0x1001;
constexpr int OutOfMemory = 0xA005;
constexpr int SourceLimit = 100;

int device;
int context;
int liveSources;
unsigned nextSource;
int error;

} // namespace

extern "C" {

// clang-format off
#define STAND_IN_STUB(name) void name() {}
STAND_IN_STUB(alEnable) STAND_IN_STUB(alDisable) STAND_IN_STUB(alIsEnabled)
STAND_IN_STUB(alGetBoolean) STAND_IN_STUB(alGetInteger) STAND_IN_STUB(alGetFloat)
STAND_IN_STUB(alGetDouble) STAND_IN_STUB(alGetBooleanv) STAND_IN_STUB(alGetIntegerv)
STAND_IN_STUB(alGetFloatv) STAND_IN_STUB(alGetDoublev) STAND_IN_STUB(alGetString)
STAND_IN_STUB(alGetProcAddress) STAND_IN_STUB(alGetEnumValue) STAND_IN_STUB(alListeneri)
STAND_IN_STUB(alListenerf) STAND_IN_STUB(alListener3f) STAND_IN_STUB(alListenerfv)
STAND_IN_STUB(alGetListeneri) STAND_IN_STUB(alGetListenerf) STAND_IN_STUB(alGetListener3f)
STAND_IN_STUB(alGetListenerfv) STAND_IN_STUB(alIsSource) STAND_IN_STUB(alSourcei)
STAND_IN_STUB(alSourcef) STAND_IN_STUB(alSource3f) STAND_IN_STUB(alSourcefv)
STAND_IN_STUB(alGetSourcei) STAND_IN_STUB(alGetSourcef) STAND_IN_STUB(alGetSourcefv)
STAND_IN_STUB(alSourcePlayv) STAND_IN_STUB(alSourceStopv) STAND_IN_STUB(alSourcePlay)
STAND_IN_STUB(alSourcePause) STAND_IN_STUB(alSourceStop) STAND_IN_STUB(alGenBuffers)
STAND_IN_STUB(alDeleteBuffers) STAND_IN_STUB(alIsBuffer) STAND_IN_STUB(alBufferData)
STAND_IN_STUB(alGetBufferi) STAND_IN_STUB(alGetBufferf) STAND_IN_STUB(alSourceQueueBuffers)
STAND_IN_STUB(alSourceUnqueueBuffers) STAND_IN_STUB(alDistanceModel) STAND_IN_STUB(alDopplerFactor)
STAND_IN_STUB(alDopplerVelocity) STAND_IN_STUB(alcProcessContext)
STAND_IN_STUB(alcGetCurrentContext) STAND_IN_STUB(alcGetContextsDevice)
STAND_IN_STUB(alcSuspendContext) STAND_IN_STUB(alcGetError) STAND_IN_STUB(alcGetProcAddress)
#ifndef STAND_IN_WITHOUT_ALC_GET_ENUM_VALUE
STAND_IN_STUB(alcGetEnumValue)
#endif

int alcIsExtensionPresent(void*, const char* name) {
    return std::strcmp(name, "ALC_ENUMERATION_EXT") == 0 || std::strcmp(name, "ALC_EXT_EFX") == 0;
}
// clang-format on

int alIsExtensionPresent(const char* name) {
    return std::strcmp(name, "AL_EXT_OFFSET") == 0;
}

const char* alcGetString(void* openedDevice, int param) {
    if (openedDevice)
        return param == DeviceSpecifier ? "Stand-in device" : nullptr;
    if (param == DeviceSpecifier)
        return "First\0Broken\0Third\0";
    return param == DefaultDeviceSpecifier ? "Third" : nullptr;
}

void* alcOpenDevice(const char* name) {
    return std::strcmp(name, "Broken") == 0 ? nullptr : &device;
}

int alcCloseDevice(void*) {
    return 1;
}

void* alcCreateContext(void*, const int*) {
    return &context;
}

int alcMakeContextCurrent(void*) {
    return 1;
}

void alcDestroyContext(void*) {}

void alcGetIntegerv(void*, int param, int size, int* values) {
    if (size >= 1)
        values[0] = param == MajorVersion ? 3 : param == MinorVersion ? 7 : 0;
}

int alGetError() {
    int last = error;
    error = 0;
    return last;
}

void alGenSources(int count, unsigned* sources) {
    if (liveSources + count > SourceLimit) {
        error = OutOfMemory;
        return;
    }
    for (int i = 0; i < count; ++i)
        sources[i] = ++nextSource;
    liveSources += count;
}

void alDeleteSources(int count, const unsigned*) {
    liveSources -= count;
}

// For the test: sources made and not given back.
int standInLiveSources() {
    return liveSources;
}
}
