#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The menu's options as the player has them: what the game starts with and applies while it runs.
// What is unset leaves the game as it is without options: the window as the system makes it, no
// name shown.
struct PlayerOptions {
    enum class TextureQuality { Low, Medium, High };
    enum class TextureFiltering { Bilinear, Trilinear };
    struct Resolution {
        int32_t width = 0;
        int32_t height = 0;
        bool operator==(const Resolution&) const = default;
    };

    static constexpr int32_t MostNameLength = 20;

    bool fullscreen = false;
    bool shadows = false;
    TextureQuality textureQuality = TextureQuality::High;
    std::optional<Resolution> resolution;
    TextureFiltering textureFiltering = TextureFiltering::Bilinear;
    int32_t soundVolume = 100; // percent
    int32_t musicVolume = 100;
    bool unitResponses = true;
    std::optional<std::string> playerName;
    bool invertMouse = false;

    bool operator==(const PlayerOptions&) const = default;
};

// What reading an options file gave: the options, every line that was ignored and why, and
// whether the file was one at all (a binary or cut-off file is not, and the defaults stand).
struct OptionsReading {
    PlayerOptions options;
    std::vector<std::string> complaints;
    bool wholeFile = true;
};

// The text of an options file: one "key = value" line each, blank lines and lines starting with
// '#' ignored. An unknown key or a bad value is named in the complaints and its default kept.
OptionsReading parseOptions(std::string_view text);

// The file's text for the options, every key on a line of its own; unset ones are left out.
std::string formatOptions(const PlayerOptions& options);

// "1024x768", or nothing for a text that is not one within 320 x 200 and 8192 x 8192.
std::optional<PlayerOptions::Resolution> parseResolution(std::string_view text);
std::string formatResolution(const PlayerOptions::Resolution& resolution);
