// Feeds every kept input of a fuzz target's regression folder through the target once, in name
// order, without libFuzzer. A sanitizer report or a broken promise ends the run; an empty or
// missing folder fails too, so a mistyped path cannot pass for a clean run.
#include "FuzzTarget.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

namespace {

std::vector<uint8_t> readInput(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::filesystem::path> inputsIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> inputs;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.is_regular_file())
            inputs.push_back(std::filesystem::absolute(entry.path()));
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " FOLDER\n";
        return 2;
    }
    const auto inputs = inputsIn(argv[1]);
    for (const auto& input : inputs) {
        std::cout << "input " << input.filename().string() << std::endl;
        const auto bytes = readInput(input);
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::cout << inputs.size() << " passed, 0 failed" << std::endl;
    return inputs.empty() ? 1 : 0;
}
