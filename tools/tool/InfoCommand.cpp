// orvalen-tool info FILE: what the game's loader makes of a file, or the message it would show.
#include "core/FilePath.h"
#include "files/CWaves.h"
#include "files/ImageFile.h"
#include "files/ModelFile.h"
#include "files/WorldFile.h"
#include "tool/Commands.h"

#include <algorithm>
#include <cctype>
#include <iostream>
#include <map>

namespace {

constexpr int Loads = 0;
constexpr int DoesNotLoad = 1;

std::string extensionOf(const std::string& path) {
    const std::size_t dot = path.find_last_of('.');
    std::string extension = dot == std::string::npos ? "" : path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

// The game's message on standard output, the reason behind it on standard error.
int refuse(const std::string& message, const std::string& reason) {
    std::cout << message << "\n";
    if (!reason.empty())
        std::cerr << "reason: " << reason << "\n";
    return DoesNotLoad;
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '"' || c == '\\')
            out += std::string("\\") + c;
        else
            out += c;
    }
    return out + "\"";
}

std::string indexOrNone(int32_t index) {
    return index < 0 ? "none" : std::to_string(index);
}

void describeCells(const WorldFile& map) {
    std::map<int32_t, int> cellsByTexture;
    for (const int32_t texture : map.cellTextures)
        ++cellsByTexture[texture];
    const auto textures = static_cast<int32_t>(map.textureNames.size());
    int holes = 0;
    for (const auto& [texture, cells] : cellsByTexture)
        if (texture < -1 || texture >= textures)
            holes += cells;
    std::cout << "untextured cells: " << cellsByTexture[-1] << "\n"
              << "cells in no layer (holes): " << holes << "\n"
              << "textures: " << textures << "\n";
    for (int32_t i = 0; i < textures; ++i)
        std::cout << "  " << i << ": " << quoted(map.textureNames[i]) << ", " << cellsByTexture[i]
                  << " cells\n";
}

int describeMap(const std::string& path) {
    const auto result = readWorldFile(path);
    if (!result)
        return refuse(mapUnavailableMessage(path), result.error);
    const WorldFile& map = *result.value;
    std::cout << "map: " << path << "\n"
              << "grid: " << map.columns << " columns x " << map.rows << " rows\n";
    if (!map.cornerHeights.empty()) {
        const auto [low, high] = std::minmax_element(map.cornerHeights.begin(), map.cornerHeights.end());
        std::cout << "corner heights: " << map.cornerHeights.size() << " stored, from " << *low << " to "
                  << *high << "\n";
    }
    describeCells(map);
    std::cout << "entries: " << map.entries.size() << "\n"
              << "records: " << map.records.size() << "\n"
              << "metal piles: " << map.metalPiles.size() << "\n"
              << "oil piles: " << map.oilPiles.size() << "\n"
              << "map value: " << map.mapValue << "\n"
              << "map flag: " << (map.flagByte == 1 ? "set" : "clear") << "\n";
    std::cout << "objects:\n";
    for (const MapObject& object : mapObjects(map))
        std::cout << "  type " << object.type << ", owner " << object.owner << ", at x " << object.x << ", z "
                  << object.z << "\n";
    return Loads;
}

void describeAnimation(const ModelAnimation& animation) {
    std::cout << "  " << quoted(animation.name) << ": " << animation.frameCount << " frames, durations";
    for (const ModelFrame& frame : animation.frames)
        std::cout << " " << frame.duration;
    std::cout << " ms, animated meshes";
    for (const int32_t mesh : animation.animatedMeshes)
        std::cout << " " << mesh;
    std::cout << "\n";
}

int describeModel(const std::string& path) {
    const auto result = readModelFile(path, "");
    if (!result)
        return refuse(modelUnavailableMessage(path), result.error);
    const Model& model = *result.value;
    std::cout << "model: " << path << "\n"
              << "meshes: " << model.meshes.size() << "\n";
    for (std::size_t m = 0; m < model.meshes.size(); ++m) {
        const ModelMesh& mesh = model.meshes[m];
        std::cout << "  " << m << ": " << quoted(mesh.name) << ", " << mesh.faceCount << " faces, "
                  << (mesh.flat ? "flat" : "smooth") << ", material " << indexOrNone(mesh.materialIndex)
                  << "\n";
    }
    std::cout << "colour separator: " << indexOrNone(model.colourSeparator) << "\n"
              << "textures: " << model.textureNames.size() << "\n";
    for (std::size_t t = 0; t < model.textureNames.size(); ++t)
        std::cout << "  " << t << ": " << quoted(model.textureNames[t]) << "\n";
    std::cout << "materials: " << model.materials.size() << "\n";
    for (std::size_t m = 0; m < model.materials.size(); ++m)
        std::cout << "  " << m << ": texture " << indexOrNone(model.materials[m].textureIndex) << "\n";
    std::cout << "animations: " << model.animations.size() << "\n";
    for (const ModelAnimation& animation : model.animations)
        describeAnimation(animation);
    const BoundingBox& box = model.boundingBox;
    std::cout << "bounding box: x " << box.minX << " to " << box.maxX << ", y " << box.minY << " to "
              << box.maxY << ", z " << box.minZ << " to " << box.maxZ << "\n";
    return Loads;
}

// What the game's WAV reader makes of the file: its result code and the OpenAL format it asks for.
int describeWav(const std::string& path) {
    CWaves waves;
    int id = -1;
    const WaveResult result = waves.loadWaveFile(path, id);
    if (result != WaveOk)
        return refuse(std::string("sound: ") + waveResultName(result), path);
    const WaveInfo& wave = *waves.wave(id);
    const char* format = alBufferFormatName(wave);
    std::cout << "sound: " << path << "\n"
              << "result: " << waveResultName(result) << "\n"
              << "kind: " << (wave.kind == WaveExtensible ? "extensible" : "PCM") << "\n"
              << "channels: " << wave.format.channels << "\n"
              << "sample rate: " << wave.format.samplesPerSec << " Hz\n"
              << "bits per sample: " << wave.format.bitsPerSample << "\n"
              << "data: " << wave.dataSize << " bytes\n"
              << "OpenAL format: " << (format ? format : "none") << "\n";
    if (!format)
        return refuse(std::string("sound: ") + waveResultName(WaveUnsupportedFormat), path);
    return Loads;
}

const char* formatName(PixelFormat format) {
    switch (format) {
    case PixelFormat::LuminanceAlpha:
        return "luminance-alpha (grey, alpha = grey)";
    case PixelFormat::Rgba:
        return "RGBA";
    case PixelFormat::Rgb:
        break;
    }
    return "RGB";
}

int describeImage(const std::string& path) {
    const auto image = decodeImage(normalisePath(path));
    if (!image)
        return refuse("Couldn't load texture " + path + "!", "");
    std::cout << "image: " << path << "\n"
              << "file type: " << image->fileType << "\n"
              << "size: " << image->width << " x " << image->height << "\n"
              << "file bits per pixel: " << image->fileBitsPerPixel << "\n"
              << "texture: " << formatName(image->format) << ", " << image->bitsPerPixel
              << " bits per pixel\n";
    return Loads;
}

} // namespace

int runInfo(const std::vector<std::string>& arguments) {
    if (arguments.size() != 1) {
        std::cerr << "usage: orvalen-tool info FILE\n";
        return 2;
    }
    const std::string& path = arguments[0];
    const std::string extension = extensionOf(path);
    if (extension == ".ktqw")
        return describeMap(path);
    if (extension == ".ktqm")
        return describeModel(path);
    if (extension == ".wav")
        return describeWav(path);
    return describeImage(path);
}
