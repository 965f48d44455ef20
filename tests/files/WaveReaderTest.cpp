#include "files/CWaves.h"
#include "files/WaveBytes.h"
#include "files/WaveFile.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>

using namespace wavebytes;

namespace {

const std::vector<uint8_t> Samples = tone(8);

// A file of the given format body and the tone's samples.
std::vector<uint8_t> fileOf(const std::vector<uint8_t>& format) {
    return riff({{"fmt ", format}, {"data", Samples}});
}

// What getAlBufferFormat asks of OpenAL: the name it looks up.
std::string askedName;
int32_t knownEnum(const char* name) {
    askedName = name;
    return 0x1234;
}

class WaveSlots : public testing::Test {
protected:
    WaveResult load(const std::vector<uint8_t>& bytes, int& id) {
        writeBytes(folder / "sound.wav", bytes);
        return waves.loadWaveFile((folder / "sound.wav").string(), id);
    }

    // The OpenAL format name of a file of this format body, or "" when there is none.
    std::string formatName(const std::vector<uint8_t>& body) {
        int id = -1;
        EXPECT_EQ(load(fileOf(body), id), WaveOk);
        int32_t format = 0;
        askedName.clear();
        WaveResult result = waves.getAlBufferFormat(id, knownEnum, format);
        EXPECT_EQ(result == WaveOk, format == 0x1234);
        EXPECT_EQ(waves.deleteWaveFile(id), WaveOk);
        if (result != WaveOk) {
            EXPECT_EQ(result, WaveUnsupportedFormat);
            return "";
        }
        return askedName;
    }

    ScratchFolder folder;
    CWaves waves;
};

} // namespace

TEST(WaveFile, TagsAreCaseInsensitive) {
    WaveInfo info;
    auto lower = riff({{"FMT ", pcmFormat(1, 8)}, {"Data", Samples}}, "riff", "wave");
    EXPECT_EQ(parseFile(lower, info), WaveOk);
    EXPECT_EQ(info.kind, WavePcm);
    EXPECT_EQ(parseFile(riff({{"fmt ", pcmFormat(1, 8)}, {"data", Samples}}, "RIFX"), info), WaveBadFile);
    EXPECT_EQ(parseFile(riff({{"fmt ", pcmFormat(1, 8)}, {"data", Samples}}, "RIFF", "AVI "), info),
              WaveBadFile);
}

TEST(WaveFile, LaterChunksReplaceEarlierOnesUnlessUnusable) {
    auto bytes = riff({{"data", {9, 9}},
                       {"fmt ", pcmFormat(2, 16, 44100)},
                       {"fmt ", pcmFormat(1, 8, 11025)},
                       {"data", Samples}});
    WaveInfo info;
    ASSERT_EQ(parseFile(bytes, info), WaveOk);
    EXPECT_EQ(info.format.channels, 1);
    EXPECT_EQ(info.format.bitsPerSample, 8);
    EXPECT_EQ(info.format.samplesPerSec, 11025u);
    EXPECT_EQ(info.dataSize, Samples.size());

    // A format body over 40 bytes, or of a format the game does not know, is skipped: the earlier
    // format stands.
    std::vector<uint8_t> longFormat = pcmFormat(1, 16);
    longFormat.resize(50);
    std::vector<uint8_t> floatFormat = pcmFormat(2, 32);
    floatFormat[0] = 3;
    for (const auto& skipped : {longFormat, floatFormat}) {
        ASSERT_EQ(parseFile(riff({{"fmt ", pcmFormat(2, 8)}, {"fmt ", skipped}, {"data", Samples}}), info),
                  WaveOk);
        EXPECT_EQ(info.format.channels, 2);
        EXPECT_EQ(info.format.bitsPerSample, 8);
        EXPECT_EQ(parseFile(fileOf(skipped), info), WaveBadFile);
    }
    EXPECT_EQ(parseFile(riff({{"fmt ", pcmFormat(1, 8)}, {"data", {}}}), info), WaveBadFile);
}

TEST(WaveFile, SizesThatRunPastTheEndStopTheWalk) {
    auto bytes = fileOf(pcmFormat(1, 16));
    bytes.insert(bytes.end(), {'j', 'u', 'n', 'k', 0xFF, 0xFF, 0xFF, 0xFF, 1});
    WaveInfo info;
    EXPECT_EQ(parseFile(bytes, info), WaveOk);
    // A format body cut short is not used.
    auto cut = riff({{"data", Samples}, {"fmt ", pcmFormat(1, 8)}});
    cut.resize(cut.size() - 4);
    EXPECT_EQ(parseFile(cut, info), WaveBadFile);
}

TEST_F(WaveSlots, LoadsTheSamplesPastOddChunksAndTheirPadByte) {
    int id = -1;
    ASSERT_EQ(load(riff({{"fmt ", pcmFormat(1, 16)}, {"note", {1, 2, 3}}, {"data", Samples}}), id), WaveOk);
    const WaveInfo* wave = waves.wave(id);
    ASSERT_NE(wave, nullptr);
    // 12 + (8 + 16) + (8 + 3 + 1) + 8
    EXPECT_EQ(wave->dataOffset, 56);
    EXPECT_EQ(wave->data, Samples);
    EXPECT_EQ(wave->format.samplesPerSec, 22050u);
}

TEST_F(WaveSlots, RefusesEveryPrefixOfAValidFile) {
    const std::vector<uint8_t> file = fileOf(pcmFormat(1, 16));
    for (size_t length = 0; length < file.size(); ++length) {
        int id = -1;
        EXPECT_EQ(load({file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length)}, id), WaveBadFile)
            << length << " bytes";
    }
    int id = -1;
    EXPECT_EQ(load(file, id), WaveOk);
    EXPECT_EQ(waves.loadWaveFile((folder / "missing.wav").string(), id), WaveCannotOpen);
}

TEST_F(WaveSlots, HoldsAtMost1024Waves) {
    writeBytes(folder / "sound.wav", fileOf(pcmFormat(1, 16)));
    const std::string path = (folder / "sound.wav").string();
    for (int expected = 0; expected < CWaves::SlotCount; ++expected) {
        int id = -1;
        ASSERT_EQ(waves.loadWaveFile(path, id), WaveOk);
        ASSERT_EQ(id, expected);
    }
    int id = -1;
    EXPECT_EQ(waves.loadWaveFile(path, id), WaveNoMemory);

    EXPECT_EQ(waves.deleteWaveFile(700), WaveOk);
    EXPECT_EQ(waves.deleteWaveFile(700), WaveBadId);
    EXPECT_EQ(waves.deleteWaveFile(CWaves::SlotCount), WaveBadId);
    EXPECT_EQ(waves.deleteWaveFile(-1), WaveBadId);
    ASSERT_EQ(waves.loadWaveFile(path, id), WaveOk);
    EXPECT_EQ(id, 700);
}

TEST_F(WaveSlots, FindsTheOpenAlFormatByName) {
    EXPECT_EQ(formatName(pcmFormat(1, 8)), "AL_FORMAT_MONO8");
    EXPECT_EQ(formatName(pcmFormat(2, 16)), "AL_FORMAT_STEREO16");
    EXPECT_EQ(formatName(pcmFormat(4, 16)), "AL_FORMAT_QUAD16");
    EXPECT_EQ(formatName(pcmFormat(3, 16)), "");

    EXPECT_EQ(formatName(extensibleFormat(2, 16, 0x30)), "AL_FORMAT_REAR16");
    EXPECT_EQ(formatName(extensibleFormat(2, 8, 3)), "AL_FORMAT_STEREO8");
    EXPECT_EQ(formatName(extensibleFormat(1, 16, 4)), "AL_FORMAT_MONO16");
    EXPECT_EQ(formatName(extensibleFormat(6, 16, 0x3F)), "AL_FORMAT_51CHN16");
    EXPECT_EQ(formatName(extensibleFormat(2, 16, 0x33)), "");

    int32_t format = 7;
    EXPECT_EQ(waves.getAlBufferFormat(0, knownEnum, format), WaveBadId);
    EXPECT_EQ(format, 7);
}
