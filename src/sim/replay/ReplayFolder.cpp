#include "sim/replay/ReplayFolder.h"

#include <algorithm>
#include <filesystem>
#include <regex>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* const Extension = ".replay";

// A recording's name without its extension: the start time, and a count after it for a second
// game started in the same second.
bool isRecordingName(const std::string& stem) {
    static const std::regex pattern(R"(\d{4}-\d{2}-\d{2}_\d{2}-\d{2}-\d{2}(-\d+)?)");
    return std::regex_match(stem, pattern);
}

} // namespace

std::string ReplayFolder::newRecording(std::time_t start) const {
    std::error_code error;
    fs::create_directories(folder, error);
    if (!fs::is_directory(folder, error))
        return {};
    std::tm local{};
    local = *std::localtime(&start);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local);
    std::string name = stamp;
    for (int count = 2; fs::exists(fs::path(folder) / (name + Extension), error); ++count)
        name = std::string(stamp) + "-" + std::to_string(count);
    return (fs::path(folder) / (name + Extension)).string();
}

void ReplayFolder::prune() const {
    std::error_code error;
    std::vector<fs::path> recordings;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.path().extension() == Extension && isRecordingName(entry.path().stem().string()))
            recordings.push_back(entry.path());
    if (recordings.size() <= static_cast<std::size_t>(Kept))
        return;
    // The names begin with the start time, so they sort oldest first.
    std::sort(recordings.begin(), recordings.end(),
              [](const fs::path& a, const fs::path& b) { return a.stem().string() < b.stem().string(); });
    for (std::size_t i = 0; i + Kept < recordings.size(); ++i)
        fs::remove(recordings[i], error);
}
