#pragma once

#include "client/sound/AudioDeviceInfo.h"
#include "client/sound/OpenAlEntryPoints.h"

#include <cstdint>
#include <string>
#include <vector>

// The survey of the audio devices, through the entry points fetched from the OpenAL library at
// run time. A library that cannot be loaded or lacks a function leaves the list empty.
class AudioDeviceList {
public:
    explicit AudioDeviceList(const std::string& libraryName = OpenAlLibraryName);
    ~AudioDeviceList();
    AudioDeviceList(const AudioDeviceList&) = delete;
    AudioDeviceList& operator=(const AudioDeviceList&) = delete;

    // The name of a surveyed device, or null when the index is out of range.
    const char* getDeviceName(int index) const;

    OpenAlEntryPoints entryPoints;
    std::vector<AudioDeviceInfo> devices; // in enumeration order, one per name
    int32_t defaultIndex = 0;             // where the system default stands in the enumeration
    int32_t filterValue = 0;

private:
    void survey();
    void surveyDevice(const char* name);
    void recordDevice(ALCdevice* device, const char* actualName);
    std::vector<std::string> probeExtensions(ALCdevice* device) const;
    uint32_t countSources() const;
    bool isRecorded(const std::string& name) const;
};
