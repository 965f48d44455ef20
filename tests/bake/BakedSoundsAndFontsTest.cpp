#include "core/FilePath.h"
#include "files/CWaves.h"
#include "files/ImageFile.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const char* const Sounds[] = {
    "data\\sounds\\menu\\gui_click.wav",
    "data\\sounds\\menu\\swish.wav",
    "data\\sounds\\unit_responses\\marine_select1.wav",
    "data\\sounds\\unit_responses\\marine_select2.wav",
    "data\\sounds\\unit_responses\\marine_move1.wav",
    "data\\sounds\\unit_responses\\marine_move2.wav",
    "data\\sounds\\unit_responses\\worker_select1.wav",
    "data\\sounds\\unit_responses\\worker_select2.wav",
    "data\\sounds\\unit_responses\\worker_move1.wav",
    "data\\sounds\\unit_responses\\worker_move2.wav",
};

// The sounds the game plays; that each has an OpenAL format is baked_files_load's check.
TEST(BakedSounds, AreThereAndShort) {
    CWaves waves;
    for (const char* path : Sounds) {
        int id = -1;
        ASSERT_EQ(waves.loadWaveFile(path, id), WaveOk) << path;
        const WaveInfo& wave = *waves.wave(id);
        ASSERT_GT(wave.format.samplesPerSec, 0u) << path;
        const double seconds =
            static_cast<double>(wave.dataSize) / wave.format.blockAlign / wave.format.samplesPerSec;
        EXPECT_GT(seconds, 0.02) << path;
        EXPECT_LT(seconds, 2.5) << path;
        waves.deleteWaveFile(id);
    }
}

TEST(BakedFonts, LoadWithFreeTypeAndCarryTheirLicences) {
    FT_Library library = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    for (const char* path : {"data\\fonts\\arial.ttf", "data\\fonts\\hyperion.ttf"}) {
        FT_Face face = nullptr;
        ASSERT_EQ(FT_New_Face(library, normalisePath(path).c_str(), 0, &face), 0) << path;
        EXPECT_EQ(FT_Set_Pixel_Sizes(face, 0, 48), 0) << path;
        for (char c : std::string("Orvalen 100%")) {
            EXPECT_NE(FT_Get_Char_Index(face, static_cast<FT_ULong>(c)), 0u) << path << " has " << c;
        }
        EXPECT_EQ(FT_Load_Char(face, 'A', FT_LOAD_RENDER), 0) << path;
        FT_Done_Face(face);
        std::string licence = normalisePath(path);
        licence.replace(licence.size() - 4, 4, "-LICENSE.txt");
        EXPECT_TRUE(std::filesystem::exists(licence)) << licence;
    }
    FT_Done_FreeType(library);
}

TEST(BakedArt, ColourKeyedPicturesHaveTransparentAndOpaquePixels) {
    for (const char* path :
         {"data\\textures\\circle.png", "data\\textures\\interface\\panel.png",
          "data\\textures\\interface\\panel_bar.png", "data\\textures\\menu\\button_on.bmp",
          "data\\textures\\menu\\box_edge.bmp", "data\\textures\\menu\\slider.bmp"}) {
        const auto image = decodeColorKeyedImage(normalisePath(path), 0);
        ASSERT_TRUE(image) << path;
        size_t transparent = 0;
        for (size_t i = 3; i < image->pixels.size(); i += 4) {
            transparent += image->pixels[i] == 0 ? 1 : 0;
        }
        const size_t pixels = image->pixels.size() / 4;
        EXPECT_GT(transparent, 0u) << path;
        EXPECT_LT(transparent, pixels) << path;
    }
}

} // namespace
