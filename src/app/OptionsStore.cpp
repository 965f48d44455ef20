#include "app/OptionsStore.h"

#include "core/FilePath.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

std::string OptionsStore::defaultPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config == '/')
        return (fs::path(config) / "orvalen" / "options.conf").string();
    const char* home = std::getenv("HOME");
    if (home && *home)
        return (fs::path(home) / ".config" / "orvalen" / "options.conf").string();
    return {};
}

OptionsReading OptionsStore::read() const {
    if (path.empty())
        return {};
    const std::optional<std::vector<uint8_t>> bytes = readFileBytes(path);
    if (!bytes)
        return {};
    return parseOptions({reinterpret_cast<const char*>(bytes->data()), bytes->size()});
}

bool OptionsStore::write(const PlayerOptions& options) const {
    if (path.empty())
        return false;
    std::error_code error;
    fs::create_directories(fs::path(path).parent_path(), error);
    const std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << formatOptions(options);
        out.flush();
        if (!out) {
            fs::remove(temporary, error);
            return false;
        }
    }
    fs::rename(temporary, path, error);
    return !error;
}
