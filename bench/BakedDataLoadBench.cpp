// Loading the baked data as the game does short of OpenGL, one benchmark per file of the build
// folder's data/: each model read and parsed with its normals, and the map read, parsed and laid
// out into its terrain layers. Run it from the build folder.
#include "files/ModelFile.h"
#include "files/TerrainLayer.h"
#include "files/World.h"
#include "files/WorldFile.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> filesIn(const fs::path& folder, const std::string& extension) {
    std::vector<fs::path> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.path().extension() == extension)
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

void loadModel(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        auto model = readModelFile(path, "data\\textures\\models\\");
        if (!model)
            state.SkipWithError(model.error.c_str());
        benchmark::DoNotOptimize(model);
    }
}

void loadMap(benchmark::State& state, const std::string& path) {
    TerrainCorners corners;
    TerrainLayer layer;
    for (auto _ : state) {
        const auto file = readWorldFile(path);
        if (!file) {
            state.SkipWithError(file.error.c_str());
            break;
        }
        const World world(*file.value);
        buildTerrainCorners(world, corners);
        for (int32_t texture = -1; texture < static_cast<int32_t>(world.textureNames.size()); ++texture)
            buildTerrainLayer(world, texture, layer);
        benchmark::DoNotOptimize(corners.positions.data());
        benchmark::DoNotOptimize(layer.indices.data());
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const auto models = filesIn("data/models", ".ktqm");
    const auto maps = filesIn("data/maps", ".ktqw");
    if (models.empty() || maps.empty()) {
        std::cerr << "no baked data here: run this from the build folder\n";
        return 1;
    }
    for (const auto& path : models)
        benchmark::RegisterBenchmark(("BM_LoadModel/" + path.filename().string()).c_str(), loadModel,
                                     path.string())
            ->Unit(benchmark::kMillisecond);
    for (const auto& path : maps)
        benchmark::RegisterBenchmark(("BM_LoadMap/" + path.filename().string()).c_str(), loadMap,
                                     path.string())
            ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
