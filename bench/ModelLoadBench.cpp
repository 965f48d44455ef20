// Loading a large model: the parser with its corner normals, which must stay near-linear.
#include "files/MeshNormals.h"
#include "files/ModelFile.h"
#include "formats/ModelWriter.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// A rolling height field of side x side quads, two faces each, sharing corners with neighbours.
ModelFileMesh terrainMesh(int side) {
    ModelFileMesh mesh;
    mesh.name = "ground";
    const auto corner = [](int x, int z) {
        return Vec3{0.05f * x, 0.3f * std::sin(0.2f * x) * std::cos(0.15f * z), 0.05f * z};
    };
    for (int z = 0; z < side; ++z)
        for (int x = 0; x < side; ++x) {
            mesh.positions.insert(mesh.positions.end(),
                                  {corner(x, z), corner(x, z + 1), corner(x + 1, z + 1), corner(x + 1, z + 1),
                                   corner(x + 1, z), corner(x, z)});
            mesh.texCoords.resize(mesh.positions.size());
        }
    return mesh;
}

// 224 x 224 quads: 100 352 faces.
const std::vector<uint8_t>& largeModelFile() {
    static const std::vector<uint8_t> bytes = [] {
        ModelFileContents contents;
        contents.meshes = {terrainMesh(224)};
        return writeModelFile(contents);
    }();
    return bytes;
}

void BM_ParseModel100kFaces(benchmark::State& state) {
    const auto& bytes = largeModelFile();
    for (auto _ : state) {
        auto model = parseModelFile(bytes, "");
        benchmark::DoNotOptimize(model);
    }
    state.counters["faces"] = 224 * 224 * 2;
}
BENCHMARK(BM_ParseModel100kFaces)->Unit(benchmark::kMillisecond);

void BM_ComputeNormals100kFaces(benchmark::State& state) {
    MeshShape shape;
    shape.positions = terrainMesh(224).positions;
    for (auto _ : state) {
        computeNormals(shape, false);
        benchmark::DoNotOptimize(shape.cornerNormals.data());
    }
}
BENCHMARK(BM_ComputeNormals100kFaces)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
