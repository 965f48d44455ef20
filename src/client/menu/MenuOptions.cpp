#include "client/menu/MenuOptions.h"

#include "client/menu/MenuScreen.h"

#include <algorithm>

namespace {

// What the pages showed for the two options that may stay unset.
PlayerOptions::Resolution shownResolution;
std::string shownName;

// Indices of the pages' widgets, in the order the menu builds them.
enum VideoCheckbox { Fullscreen = 0, Shadows = 1 };
enum VideoList { Quality = 0, ResolutionList = 1, Filtering = 2 };

// The knob's place for a value: the lowest one that reads it, as a released knob settles.
int sliderPosition(const Slider& slider, int value) {
    for (int position = 0; position <= Slider::Travel; ++position)
        if (sliderValue(slider.min, slider.max, position) >= value)
            return settledSliderPosition(slider.min, slider.max, position);
    return Slider::Travel;
}

void showResolution(DropDownList& list, PlayerOptions::Resolution resolution) {
    const std::string wanted = formatResolution(resolution);
    auto found = std::find(list.items.begin(), list.items.end(), wanted);
    if (found == list.items.end())
        found = list.items.insert(list.items.end(), wanted);
    list.selected = static_cast<int>(found - list.items.begin());
}

} // namespace

void showOptions(const PlayerOptions& options, PlayerOptions::Resolution windowSize,
                 const std::string& defaultName) {
    OptionsPage& video = menuScreen.videoPage;
    video.checkboxes[Fullscreen].checked = options.fullscreen;
    video.checkboxes[Shadows].checked = options.shadows;
    video.dropDownLists[Quality].selected = static_cast<int>(options.textureQuality);
    video.dropDownLists[Filtering].selected = static_cast<int>(options.textureFiltering);
    shownResolution = options.resolution.value_or(windowSize);
    showResolution(video.dropDownLists[ResolutionList], shownResolution);

    OptionsPage& audio = menuScreen.audioPage;
    audio.sliders[0].position = sliderPosition(audio.sliders[0], options.soundVolume);
    audio.sliders[1].position = sliderPosition(audio.sliders[1], options.musicVolume);
    audio.checkboxes[0].checked = options.unitResponses;

    OptionsPage& game = menuScreen.gamePage;
    shownName = options.playerName.value_or(defaultName);
    const TextField& field = game.textFields.front();
    game.textFields.front() = TextField(field.x, field.y, field.width, field.maximumLength(), shownName);
    game.checkboxes[0].checked = options.invertMouse;
}

PlayerOptions optionsShown(const PlayerOptions& inUse) {
    PlayerOptions options = inUse;
    const OptionsPage& video = menuScreen.videoPage;
    options.fullscreen = video.checkboxes[Fullscreen].checked;
    options.shadows = video.checkboxes[Shadows].checked;
    options.textureQuality =
        static_cast<PlayerOptions::TextureQuality>(video.dropDownLists[Quality].selected);
    options.textureFiltering =
        static_cast<PlayerOptions::TextureFiltering>(video.dropDownLists[Filtering].selected);
    const DropDownList& resolutions = video.dropDownLists[ResolutionList];
    const auto chosen = parseResolution(resolutions.items[static_cast<std::size_t>(resolutions.selected)]);
    if (chosen && (inUse.resolution || *chosen != shownResolution))
        options.resolution = chosen;

    const OptionsPage& audio = menuScreen.audioPage;
    options.soundVolume = audio.sliders[0].value();
    options.musicVolume = audio.sliders[1].value();
    options.unitResponses = audio.checkboxes[0].checked;

    const OptionsPage& game = menuScreen.gamePage;
    const std::string& name = game.textFields.front().text();
    if (inUse.playerName || name != shownName)
        options.playerName = name.empty() ? std::nullopt : std::optional(name);
    options.invertMouse = game.checkboxes[0].checked;
    return options;
}
