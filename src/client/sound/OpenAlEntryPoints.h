#pragma once

#include <AL/al.h>
#include <AL/alc.h>

#include <string>

// The OpenAL functions the device survey fetches by name from the library loaded at run time,
// in the order of the record.
// clang-format off
#define ORVALEN_OPENAL_ENTRY_POINTS(X) \
    X(alEnable) X(alDisable) X(alIsEnabled) X(alGetBoolean) X(alGetInteger) X(alGetFloat) \
    X(alGetDouble) X(alGetBooleanv) X(alGetIntegerv) X(alGetFloatv) X(alGetDoublev) \
    X(alGetString) X(alGetError) X(alIsExtensionPresent) X(alGetProcAddress) X(alGetEnumValue) \
    X(alListeneri) X(alListenerf) X(alListener3f) X(alListenerfv) X(alGetListeneri) \
    X(alGetListenerf) X(alGetListener3f) X(alGetListenerfv) X(alGenSources) X(alDeleteSources) \
    X(alIsSource) X(alSourcei) X(alSourcef) X(alSource3f) X(alSourcefv) X(alGetSourcei) \
    X(alGetSourcef) X(alGetSourcefv) X(alSourcePlayv) X(alSourceStopv) X(alSourcePlay) \
    X(alSourcePause) X(alSourceStop) X(alGenBuffers) X(alDeleteBuffers) X(alIsBuffer) \
    X(alBufferData) X(alGetBufferi) X(alGetBufferf) X(alSourceQueueBuffers) \
    X(alSourceUnqueueBuffers) X(alDistanceModel) X(alDopplerFactor) X(alDopplerVelocity) \
    X(alcGetString) X(alcGetIntegerv) X(alcOpenDevice) X(alcCloseDevice) X(alcCreateContext) \
    X(alcMakeContextCurrent) X(alcProcessContext) X(alcGetCurrentContext) \
    X(alcGetContextsDevice) X(alcSuspendContext) X(alcDestroyContext) X(alcGetError) \
    X(alcIsExtensionPresent) X(alcGetProcAddress) X(alcGetEnumValue)
// clang-format on

struct OpenAlEntryPoints {
#define ORVALEN_OPENAL_SLOT(name) decltype(&::name) name = nullptr;
    ORVALEN_OPENAL_ENTRY_POINTS(ORVALEN_OPENAL_SLOT)
#undef ORVALEN_OPENAL_SLOT
};

// The OpenAL library of this platform.
inline const std::string OpenAlLibraryName = "libopenal.so.1";

// Loads the library (its handle is kept process-wide) and fills every slot by name. On the first
// name the library lacks, tells the debugger output and stops: that slot and the later ones stay
// null and the library stays loaded.
bool loadOpenAlLibrary(OpenAlEntryPoints& table, const std::string& libraryName);

// Unloads the library loaded by loadOpenAlLibrary, if any.
void unloadOpenAlLibrary();
