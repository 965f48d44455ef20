#include "files/OptionsFile.h"

#include "core/ParseNumber.h"

#include <algorithm>
#include <array>

namespace {

const std::array<const char*, 3> Qualities = {"low", "medium", "high"};
const std::array<const char*, 2> Filterings = {"bilinear", "trilinear"};

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string lowered(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return result;
}

std::optional<bool> parseSwitch(std::string_view text) {
    const std::string value = lowered(text);
    if (value == "true" || value == "on" || value == "yes" || value == "1")
        return true;
    if (value == "false" || value == "off" || value == "no" || value == "0")
        return false;
    return std::nullopt;
}

template <std::size_t N>
std::optional<std::size_t> parseChoice(std::string_view text, const std::array<const char*, N>& names) {
    const std::string value = lowered(text);
    for (std::size_t i = 0; i < N; ++i)
        if (value == names[i])
            return i;
    return std::nullopt;
}

std::optional<int32_t> parsePercent(std::string_view text) {
    const std::optional<int32_t> value = parseNumber<int32_t>(std::string(text));
    if (!value || *value < 0 || *value > 100)
        return std::nullopt;
    return value;
}

// A name the panel and the banner can show: printable ASCII, not empty, at most the field's length.
std::optional<std::string> parseName(std::string_view text) {
    if (text.empty() || text.size() > static_cast<std::size_t>(PlayerOptions::MostNameLength))
        return std::nullopt;
    if (!std::all_of(text.begin(), text.end(), [](unsigned char c) { return c >= 0x20 && c < 0x7F; }))
        return std::nullopt;
    return std::string(text);
}

// Sets the key's option from the value; false when the key is unknown or the value bad.
bool setOption(PlayerOptions& options, const std::string& key, std::string_view value) {
    if (key == "fullscreen" || key == "shadows" || key == "unit_responses" || key == "invert_mouse") {
        const std::optional<bool> on = parseSwitch(value);
        if (!on)
            return false;
        (key == "fullscreen"       ? options.fullscreen
         : key == "shadows"        ? options.shadows
         : key == "unit_responses" ? options.unitResponses
                                   : options.invertMouse) = *on;
        return true;
    }
    if (key == "texture_quality") {
        const auto choice = parseChoice(value, Qualities);
        options.textureQuality = static_cast<PlayerOptions::TextureQuality>(choice.value_or(2));
        return choice.has_value();
    }
    if (key == "texture_filtering") {
        const auto choice = parseChoice(value, Filterings);
        options.textureFiltering = static_cast<PlayerOptions::TextureFiltering>(choice.value_or(0));
        return choice.has_value();
    }
    if (key == "resolution") {
        options.resolution = parseResolution(value);
        return options.resolution.has_value();
    }
    if (key == "sound_volume" || key == "music_volume") {
        const std::optional<int32_t> percent = parsePercent(value);
        (key == "sound_volume" ? options.soundVolume : options.musicVolume) = percent.value_or(100);
        return percent.has_value();
    }
    if (key == "player_name") {
        options.playerName = parseName(value);
        return options.playerName.has_value();
    }
    return false;
}

bool isKey(const std::string& key) {
    for (const char* known :
         {"fullscreen", "shadows", "texture_quality", "resolution", "texture_filtering", "sound_volume",
          "music_volume", "unit_responses", "player_name", "invert_mouse"})
        if (key == known)
            return true;
    return false;
}

// A file the game wrote ends with a line end and holds text only; anything else is not one.
bool isWholeTextFile(std::string_view text) {
    if (text.empty())
        return true;
    if (text.back() != '\n')
        return false;
    return std::none_of(text.begin(), text.end(), [](unsigned char c) { return c == 0 || c >= 0x80; });
}

} // namespace

OptionsReading parseOptions(std::string_view text) {
    OptionsReading reading;
    if (!isWholeTextFile(text)) {
        reading.wholeFile = false;
        reading.complaints.push_back("not an options file (binary or cut off): the defaults are used");
        return reading;
    }
    int lineNumber = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        const std::string_view line = trimmed(text.substr(start, end - start));
        start = end + 1;
        ++lineNumber;
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t equals = line.find('=');
        const std::string key = equals == std::string_view::npos
                                    ? std::string(line)
                                    : std::string(trimmed(line.substr(0, equals)));
        const std::string_view value =
            equals == std::string_view::npos ? std::string_view{} : trimmed(line.substr(equals + 1));
        const PlayerOptions before = reading.options;
        if (equals != std::string_view::npos && setOption(reading.options, key, value))
            continue;
        reading.options = before; // the key keeps its default
        const char* why = equals == std::string_view::npos ? "not a key = value line"
                          : isKey(key)                     ? "a bad value"
                                                           : "an unknown key";
        reading.complaints.push_back("line " + std::to_string(lineNumber) + " (" + std::string(line) +
                                     "): " + why + ", ignored");
    }
    return reading;
}

std::string formatOptions(const PlayerOptions& options) {
    const auto onOff = [](bool on) { return on ? "true" : "false"; };
    std::string text = "# Orvalen's options, written by the game when one changes.\n";
    text += std::string("fullscreen = ") + onOff(options.fullscreen) + "\n";
    text += std::string("shadows = ") + onOff(options.shadows) + "\n";
    text += std::string("texture_quality = ") + Qualities[static_cast<std::size_t>(options.textureQuality)] +
            "\n";
    if (options.resolution)
        text += "resolution = " + formatResolution(*options.resolution) + "\n";
    text += std::string("texture_filtering = ") +
            Filterings[static_cast<std::size_t>(options.textureFiltering)] + "\n";
    text += "sound_volume = " + std::to_string(options.soundVolume) + "\n";
    text += "music_volume = " + std::to_string(options.musicVolume) + "\n";
    text += std::string("unit_responses = ") + onOff(options.unitResponses) + "\n";
    if (options.playerName)
        text += "player_name = " + *options.playerName + "\n";
    text += std::string("invert_mouse = ") + onOff(options.invertMouse) + "\n";
    return text;
}

std::optional<PlayerOptions::Resolution> parseResolution(std::string_view text) {
    const std::size_t cross = text.find('x');
    if (cross == std::string_view::npos)
        return std::nullopt;
    const std::optional<int32_t> width = parseNumber<int32_t>(std::string(text.substr(0, cross)));
    const std::optional<int32_t> height = parseNumber<int32_t>(std::string(text.substr(cross + 1)));
    if (!width || !height || *width < 320 || *height < 200 || *width > 8192 || *height > 8192)
        return std::nullopt;
    return PlayerOptions::Resolution{*width, *height};
}

std::string formatResolution(const PlayerOptions::Resolution& resolution) {
    return std::to_string(resolution.width) + "x" + std::to_string(resolution.height);
}
