#include "client/sound/AudioDeviceList.h"
#include "client/sound/GameSounds.h"
#include "client/sound/SoundSystem.h"
#include "files/CWaves.h"
#include "files/WaveBytes.h"
#include "platform/Platform.h"
#include "sim/objects/WorldObjectType.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

using namespace wavebytes;

namespace {

// OpenAL Soft's wave-file backend writes everything played into a WAV file: 16-bit stereo,
// without dither, so silence is exactly zero.
TEST(WaveBackend, EmptyRecordsPlayNothing) {
    const ScratchFolder folder;
    const std::filesystem::path recording = folder / "recording.wav";
    std::ofstream(folder / "alsoft.conf")
        << "[general]\ndrivers = wave\nchannels = stereo\nsample-type = int16\nfrequency = 22050\n"
           "dither = false\n[wave]\nfile = "
        << recording.string() << "\n";
    setenv("ALSOFT_CONF", (folder / "alsoft.conf").c_str(), 1);
    ASSERT_TRUE(startSound());
    SoundSource missing;
    EXPECT_FALSE(loadSound(missing, (folder / "missing.wav").string()));
    EXPECT_EQ(missing.source, 0u);

    playSelectResponse(TypeBarracks);
    playMoveAcknowledgement(TypeBarracks);
    playSelectResponse(-1);
    playSelectResponse(1000);
    playClick();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));

    // Closing the game's device completes the file.
    ALCcontext* context = alcGetCurrentContext();
    ALCdevice* device = alcGetContextsDevice(context);
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context);
    alcCloseDevice(device);
    CWaves waves;
    int id = -1;
    ASSERT_EQ(waves.loadWaveFile(recording.string(), id), WaveOk);
    const std::vector<uint8_t>& samples = waves.wave(id)->data;
    EXPECT_FALSE(samples.empty());
    EXPECT_TRUE(std::all_of(samples.begin(), samples.end(), [](uint8_t byte) { return byte == 0; }));
}

TEST(StandInLibrary, WithoutTheLibraryOrOneOfItsEntryPointsSoundStaysSilent) {
    testing::internal::CaptureStderr();
    EXPECT_TRUE(AudioDeviceList("liborvalen-no-such-library.so").devices.empty());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "a missing library is not reported";
    testing::internal::CaptureStderr();
    EXPECT_TRUE(AudioDeviceList(STAND_IN_WITHOUT_ALC_GET_ENUM_VALUE).devices.empty());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Failed to retrieve 'alcGetEnumValue' function address\n");

    EXPECT_FALSE(startSound(STAND_IN_WITHOUT_ALC_GET_ENUM_VALUE));
    ScratchFolder folder;
    writeBytes(folder / "click.wav", riff({{"fmt ", pcmFormat(1, 16)}, {"data", tone(100)}}));
    EXPECT_FALSE(loadSound(clickSound, (folder / "click.wav").string()));
    EXPECT_EQ(clickSound.source, 0u);
    playClick();
}

TEST(StandInLibrary, SurveyRecordsEachDeviceOnce) {
    // Held open here so that the stand-in's count of sources outlives the survey.
    void* standIn = platform::loadLibrary(STAND_IN_COMPLETE);
    ASSERT_NE(standIn, nullptr);
    auto liveSources = reinterpret_cast<int (*)()>(platform::libraryFunction(standIn, "standInLiveSources"));
    {
        AudioDeviceList survey(STAND_IN_COMPLETE);
        ASSERT_EQ(survey.devices.size(), 1u);
        const AudioDeviceInfo& device = survey.devices[0];
        EXPECT_STREQ(survey.getDeviceName(0), "Stand-in device");
        EXPECT_EQ(survey.getDeviceName(1), nullptr);
        EXPECT_EQ(survey.defaultIndex, 2);
        EXPECT_EQ(device.majorVersion, 3);
        EXPECT_EQ(device.minorVersion, 7);
        EXPECT_EQ(device.sourceCount, 100u);
        EXPECT_EQ(device.extensions, (std::vector<std::string>{"ALC_EXT_EFX", "AL_EXT_OFFSET"}));
        EXPECT_TRUE(device.selected);
    }
    EXPECT_EQ(liveSources(), 0);
    platform::freeLibrary(standIn);
}
} // namespace
