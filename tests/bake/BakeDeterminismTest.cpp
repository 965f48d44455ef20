#include "BakeDataFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace fs = std::filesystem;

namespace {

std::map<std::string, std::string> contentsOf(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            std::ifstream in(entry.path(), std::ios::binary);
            files[fs::relative(entry.path(), folder).string()] =
                std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    }
    return files;
}

void expectSameFiles(const std::map<std::string, std::string>& first,
                     const std::map<std::string, std::string>& second) {
    ASSERT_EQ(first.size(), second.size());
    for (const auto& [name, bytes] : first) {
        ASSERT_TRUE(second.count(name)) << name;
        EXPECT_TRUE(second.at(name) == bytes) << name << " differs between bakes";
    }
}

// The build baked data/ and icons/; a second bake elsewhere must write the same files, byte for byte.
TEST(Bake, TwoBakesWriteIdenticalBytes) {
    const fs::path scratch = fs::current_path() / "bake-determinism"; // inside this build folder
    fs::remove_all(scratch);
    bakeDataFolder(scratch / "data");
    const auto first = contentsOf("data");
    const auto second = contentsOf(scratch / "data");
    const auto firstIcons = contentsOf("icons");
    const auto secondIcons = contentsOf(scratch / "icons");
    EXPECT_TRUE(fs::exists(scratch / "map-preview.png"));
    EXPECT_TRUE(fs::exists(scratch / "models-preview.png"));
    fs::remove_all(scratch);
    // The maps and their pictures for the menu are among the files compared.
    int maps = 0, pictures = 0;
    for (const auto& [name, bytes] : first) {
        const fs::path file(name);
        if (file.parent_path() == "maps") {
            maps += file.extension() == ".ktqw";
            pictures += file.extension() == ".bmp";
        }
    }
    EXPECT_GE(maps, 3);
    EXPECT_EQ(pictures, maps);
    expectSameFiles(first, second);
    expectSameFiles(firstIcons, secondIcons);
}

} // namespace
