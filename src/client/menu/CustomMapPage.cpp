#include "client/menu/CustomMapPage.h"

#include "client/menu/TextButton.h"
#include "core/FilePath.h"
#include "core/Input.h"
#include "files/MapList.h"

#include <filesystem>

namespace {

constexpr int PreviewSize = 128;
constexpr int MarinesLabel = 0; // the page's label that reads the slider's value
constexpr int StartX = 20;
constexpr int StartY = 22;

} // namespace

void CustomMapPage::build() {
    maps = listMaps();
    std::vector<std::string> titles;
    for (const std::string& map : maps)
        titles.push_back(mapTitle(map));
    if (titles.empty())
        titles.push_back("(no maps)");
    page.title = "Custom Map";
    page.height = 470;
    page.dropDownLists = {
        {20, 370, 250, "Map:", titles, 0, false},
        {20, 170, 250, "Opponent:", {"None", "Computer"}, 1, false},
    };
    Slider marines;
    marines.label = "Enemy Marines at start:";
    marines.y = 100;
    marines.max = MostMarines;
    marines.position = 0;
    page.sliders = {marines};
    page.labels = {{"0", 155, 70}};
    page.pictures = {{20, 198, PreviewSize, nullptr}}; // its frame clear of the list field above it
}

void CustomMapPage::draw() {
    if (!page.current())
        return;
    const std::size_t chosen = static_cast<std::size_t>(page.dropDownLists[MapList].selected);
    page.pictures.front().texture = chosen < maps.size() ? preview(maps[chosen]) : nullptr;
    page.labels[MarinesLabel].text = std::to_string(page.sliders.front().value());
    page.draw();
    const int left = page.frame().left;
    const bool started = textButton(left + StartX, static_cast<int>(page.y) + StartY, "Start");
    if (started && !DropDownList::anyOpen && !maps.empty())
        startClicked = true;
}

std::optional<SkirmishChoice> CustomMapPage::takeStart() {
    if (!startClicked)
        return std::nullopt;
    startClicked = false;
    return shownChoice();
}

SkirmishChoice CustomMapPage::shownChoice() const {
    SkirmishChoice choice;
    choice.mapPath = maps.at(static_cast<std::size_t>(page.dropDownLists[MapList].selected));
    choice.computerOpponent = page.dropDownLists[OpponentList].selected == 1;
    choice.enemyMarines = page.sliders.front().value();
    return choice;
}

// A map without its picture shows an empty frame rather than the texture loader's error box.
const Texture* CustomMapPage::preview(const std::string& mapPath) {
    const auto known = previews.find(mapPath);
    if (known != previews.end())
        return &known->second;
    Texture& texture = previews[mapPath];
    const std::string picture = mapPreviewPath(mapPath);
    std::error_code error;
    if (std::filesystem::exists(normalisePath(picture), error))
        texture.load(picture, 1);
    return &texture;
}
