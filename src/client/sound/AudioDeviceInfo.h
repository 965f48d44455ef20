#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One audio device found by the survey.
struct AudioDeviceInfo {
    std::string name; // the specifier the opened device reports
    int32_t majorVersion = 0;
    int32_t minorVersion = 0;
    uint32_t sourceCount = 0; // how many sources it could make, at most 256
    std::vector<std::string> extensions;
    bool selected = false;
};
