#include "files/OptionsFile.h"

#include <gtest/gtest.h>

namespace {

TEST(OptionsFileTest, EveryKeyReadsBackFromTheTextItIsWrittenAs) {
    PlayerOptions options;
    options.fullscreen = true;
    options.shadows = true;
    options.textureQuality = PlayerOptions::TextureQuality::Medium;
    options.resolution = PlayerOptions::Resolution{1024, 768};
    options.textureFiltering = PlayerOptions::TextureFiltering::Trilinear;
    options.soundVolume = 35;
    options.musicVolume = 0;
    options.unitResponses = false;
    options.playerName = "Ada the Bold";
    options.invertMouse = true;
    const std::string text = formatOptions(options);
    EXPECT_NE(text.find("resolution = 1024x768\n"), std::string::npos);
    EXPECT_NE(text.find("player_name = Ada the Bold\n"), std::string::npos);
    const OptionsReading reading = parseOptions(text);
    EXPECT_TRUE(reading.wholeFile);
    EXPECT_TRUE(reading.complaints.empty());
    EXPECT_EQ(reading.options, options);

    EXPECT_EQ(parseOptions(formatOptions(PlayerOptions{})).options, PlayerOptions{});
    EXPECT_EQ(formatOptions(PlayerOptions{}).find("resolution"), std::string::npos) << "unset, left out";
}

TEST(OptionsFileTest, AnUnknownKeyOrABadValueIsNamedAndItsDefaultKept) {
    const OptionsReading reading = parseOptions("# mine\n"
                                                "\n"
                                                "  sound_volume = 40  \n"
                                                "colour = blue\n"
                                                "music_volume = 140\n"
                                                "resolution = 10x10\n"
                                                "fullscreen = maybe\n"
                                                "texture_quality = HIGH\n"
                                                "just words\n"
                                                "player_name = \n");
    EXPECT_TRUE(reading.wholeFile);
    EXPECT_EQ(reading.options.soundVolume, 40);
    EXPECT_EQ(reading.options.musicVolume, 100);
    EXPECT_FALSE(reading.options.resolution);
    EXPECT_FALSE(reading.options.fullscreen);
    EXPECT_EQ(reading.options.textureQuality, PlayerOptions::TextureQuality::High);
    EXPECT_FALSE(reading.options.playerName);
    const std::vector<std::string> expected = {
        "line 4 (colour = blue): an unknown key, ignored",
        "line 5 (music_volume = 140): a bad value, ignored",
        "line 6 (resolution = 10x10): a bad value, ignored",
        "line 7 (fullscreen = maybe): a bad value, ignored",
        "line 9 (just words): not a key = value line, ignored",
        "line 10 (player_name =): a bad value, ignored",
    };
    EXPECT_EQ(reading.complaints, expected);
}

TEST(OptionsFileTest, ABinaryOrCutOffFileLeavesEveryDefault) {
    for (const std::string& text :
         {std::string("sound_volume = 10\nmusic_vol"), std::string("sound_volume = 10\n\0\n", 20),
          std::string("sound_volume = 10\n\xff\xfe\n")}) {
        const OptionsReading reading = parseOptions(text);
        EXPECT_FALSE(reading.wholeFile);
        EXPECT_EQ(reading.options, PlayerOptions{});
        ASSERT_EQ(reading.complaints.size(), 1u);
    }
    EXPECT_TRUE(parseOptions("").wholeFile) << "an empty file is one with nothing set";
}

TEST(OptionsFileTest, AResolutionIsWidthByHeightWithinSaneBounds) {
    EXPECT_EQ(parseResolution("800x600"), (PlayerOptions::Resolution{800, 600}));
    for (const char* bad :
         {"800", "800x", "x600", "800X600", "-800x600", "99999x600", "800x600x2", "1e3x600"})
        EXPECT_FALSE(parseResolution(bad)) << bad;
    EXPECT_EQ(formatResolution({1280, 1024}), "1280x1024");
}

} // namespace
