#include "Fonts.h"

#include <stdexcept>
#include <string>

namespace {

struct FontSource {
    const char* package;
    const char* font;
    const char* licence;
    const char* name;
};

const FontSource Sources[] = {
    {"fonts-liberation2", "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
     "/usr/share/doc/fonts-liberation2/copyright", "arial"},
    {"fonts-league-spartan", "/usr/share/fonts/opentype/league-spartan/LeagueSpartan-Bold.otf",
     "/usr/share/doc/fonts-league-spartan/copyright", "hyperion"},
};

void copy(const std::filesystem::path& from, const std::filesystem::path& to, const char* package) {
    if (!std::filesystem::exists(from)) {
        throw std::runtime_error(from.string() + " is missing: install the Debian package " + package);
    }
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
}

} // namespace

void copyFonts(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    for (const FontSource& source : Sources) {
        copy(source.font, folder / (std::string(source.name) + ".ttf"), source.package);
        copy(source.licence, folder / (std::string(source.name) + "-LICENSE.txt"), source.package);
    }
}
