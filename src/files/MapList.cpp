#include "files/MapList.h"

#include "core/FilePath.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

const std::string MapFolder = "data\\maps\\";
const std::string MapExtension = ".ktqw";

// The file name without its folder and extension.
std::string stem(const std::string& mapPath) {
    const std::size_t slash = mapPath.find_last_of("\\/");
    std::string name = slash == std::string::npos ? mapPath : mapPath.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

} // namespace

std::vector<std::string> listMaps() {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(normalisePath(MapFolder), error))
        if (entry.is_regular_file(error) && entry.path().extension() == MapExtension)
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::vector<std::string> maps;
    for (const std::string& name : names)
        maps.push_back(MapFolder + name);
    return maps;
}

std::string mapTitle(const std::string& mapPath) {
    std::string title = stem(mapPath);
    bool wordStart = true;
    for (char& c : title) {
        if (c == '-' || c == '_')
            c = ' ';
        else if (wordStart)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        wordStart = c == ' ';
    }
    return title;
}

std::string mapPreviewPath(const std::string& mapPath) {
    const std::size_t dot = mapPath.rfind('.');
    const std::size_t slash = mapPath.find_last_of("\\/");
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? mapPath.substr(0, dot) : mapPath) + ".bmp";
}
