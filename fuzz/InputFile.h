#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

// A file of the given name, in a temporary folder of its own that goes with the object, holding
// the current input for loaders that read files. The working folder is left alone, so inputs
// named by relative paths still open.
class InputFile {
public:
    explicit InputFile(const std::string& name)
        : folder_(std::filesystem::temp_directory_path() /
                  ("orvalen-fuzz-" + std::to_string(std::random_device{}()))),
          path_((folder_ / name).string()) {
        std::filesystem::create_directories(folder_);
    }
    ~InputFile() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Replaces the file's contents; its path.
    const std::string& write(const uint8_t* data, size_t size) const {
        std::ofstream(path_, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        return path_;
    }

private:
    std::filesystem::path folder_;
    std::string path_;
};
