#pragma once

#include "core/ParseResult.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

// One kept-but-unused entry of the map file.
struct MapEntry {
    std::array<uint32_t, 4> values{};
    std::string name;

    bool operator==(const MapEntry&) const = default;
};

// A resource pile as the map file stores it: row, column and a value the game never uses.
struct MapPile {
    int32_t z = 0;
    int32_t x = 0;
    int32_t unused = 0;

    bool operator==(const MapPile&) const = default;
};

struct MapBaseCentre {
    int32_t z = 0;
    int32_t x = 0;

    bool operator==(const MapBaseCentre&) const = default;
};

// Everything a .ktqw file holds, in file order. Corner heights keep the file's (W + 1) x (H + 1)
// values and are addressed with a row stride of W: corner (r, c) is element r * W + c.
struct WorldFile {
    int32_t rows = 0;    // H
    int32_t columns = 0; // W
    std::vector<float> cornerHeights;
    std::vector<int32_t> cellTextures;     // element r * W + c; -1 means no texture
    std::vector<std::string> textureNames; // relative to "data\textures\worlds\"
    std::vector<MapEntry> entries;
    std::vector<std::array<uint8_t, 16>> records;
    std::vector<MapPile> metalPiles;
    std::vector<MapPile> oilPiles;
    int32_t mapValue = 0;
    uint8_t flagByte = 0; // the map flag is set when this is 1
    std::string discardedLine;
    std::array<MapBaseCentre, 2> baseCentres{}; // players 1 and 2

    bool operator==(const WorldFile&) const = default;
};

// A map is refused as a whole beyond these sizes.
constexpr int32_t MaxMapSide = 1024;
constexpr int32_t MaxTerrainTextures = 1024;
constexpr int32_t MaxMapRecords = 1 << 20;

// The bytes of a map file, or why they are not one (truncated, inconsistent, absurd counts).
ParseResult<WorldFile> parseWorldFile(std::span<const uint8_t> bytes);
// The same for the file at a game path; a missing file is an error too.
ParseResult<WorldFile> readWorldFile(const std::string& path);

// A map as a game starts on it: the file's records and the checksum of its bytes (64-bit FNV-1a),
// by which a recorded game names the map it was played on.
struct MapFile {
    WorldFile world;
    uint64_t checksum = 0;
};
ParseResult<MapFile> readMapFile(const std::string& path);

// The message the game shows, captioned MapUnavailableCaption, when a map cannot be loaded.
std::string mapUnavailableMessage(const std::string& path);
inline constexpr const char* MapUnavailableCaption = "Map Unavailable";

// A world object the map places: object type, owning player and grid position.
struct MapObject {
    int32_t type = 0;
    int32_t owner = 0;
    double x = 0.0; // column
    double z = 0.0; // row

    bool operator==(const MapObject&) const = default;
};

// The objects the map places, in file order: metal piles (type 4) and oil piles (type 5) owned by
// the neutral player 0, then the base centres (type 8) of players 1 and 2.
std::vector<MapObject> mapObjects(const WorldFile& file);

using CreateMapObject = std::function<void(const MapObject&)>;
// Calls `create` for each of mapObjects(file), in that order.
void placeMapObjects(const WorldFile& file, const CreateMapObject& create);
