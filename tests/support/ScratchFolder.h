#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

// A fresh, empty working folder for the life of the object; the previous working folder is
// restored and the scratch folder removed afterwards.
class ScratchFolder {
public:
    ScratchFolder()
        : previous_(std::filesystem::current_path()),
          path_(std::filesystem::temp_directory_path() /
                ("orvalen-test-" + std::to_string(std::random_device{}()))) {
        std::filesystem::create_directories(path_);
        std::filesystem::current_path(path_);
    }
    ~ScratchFolder() {
        std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

// The first `size` bytes (all by default) written to the file; returns its path.
inline std::string writeBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes,
                              std::size_t size = SIZE_MAX) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(std::min(size, bytes.size())));
    return path.string();
}
