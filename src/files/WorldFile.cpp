#include "files/WorldFile.h"

#include "core/ByteReader.h"
#include "core/FilePath.h"
#include "core/Fnv1a.h"

#include <algorithm>

namespace {

// Object types and owners of what a map places.
constexpr int32_t MetalPileType = 4;
constexpr int32_t OilPileType = 5;
constexpr int32_t BaseCentreType = 8;
constexpr int32_t NeutralOwner = 0;

constexpr std::size_t MapLineBytes = 254;
constexpr std::size_t MapEntryMinimumBytes = 16 + 1;
constexpr std::size_t PileBytes = 12;

// A map text line: the bytes up to and including the first line feed, at most 254 of them. The
// last byte taken is dropped, line feed or not. A file that ends before either limit is truncated.
std::string readMapLine(ByteReader& in) {
    const auto rest = in.rest();
    const auto window = rest.first(std::min(rest.size(), MapLineBytes));
    const auto lineFeed = std::find(window.begin(), window.end(), '\n');
    if (lineFeed == window.end() && window.size() < MapLineBytes)
        throw FormatError("the file ends inside a text line at byte " + std::to_string(in.offset()));
    const std::size_t taken = lineFeed == window.end() ? window.size() : (lineFeed - window.begin()) + 1;
    std::string line = in.readText(taken);
    line.pop_back();
    return line;
}

template <class T, class Read> std::vector<T> readArray(ByteReader& in, std::size_t count, Read read) {
    ByteReader block(in.readBytes(count * 4)); // refuses a short file before anything is allocated
    std::vector<T> values(count);
    for (T& value : values)
        value = (block.*read)();
    return values;
}

std::vector<MapPile> readPiles(ByteReader& in, const char* what) {
    std::vector<MapPile> piles(in.readCount(PileBytes, MaxMapRecords, what));
    for (MapPile& pile : piles) {
        pile.z = in.readInt32();
        pile.x = in.readInt32();
        pile.unused = in.readInt32();
    }
    return piles;
}

WorldFile readSections(ByteReader& in) {
    WorldFile file;
    file.rows = in.readCount(0, MaxMapSide, "row count");
    file.columns = in.readCount(0, MaxMapSide, "column count");
    const std::size_t rows = file.rows;
    const std::size_t columns = file.columns;
    file.cornerHeights = readArray<float>(in, (columns + 1) * (rows + 1), &ByteReader::readFloat);
    file.cellTextures = readArray<int32_t>(in, columns * rows, &ByteReader::readInt32);

    file.textureNames.resize(in.readCount(1, MaxTerrainTextures, "texture count"));
    for (std::string& name : file.textureNames)
        name = readMapLine(in);

    file.entries.resize(in.readCount(MapEntryMinimumBytes, MaxMapRecords, "entry count"));
    for (MapEntry& entry : file.entries) {
        for (uint32_t& value : entry.values)
            value = in.readUint32();
        entry.name = readMapLine(in);
    }

    file.records.resize(in.readCount(16, MaxMapRecords, "record count"));
    for (auto& record : file.records) {
        const auto bytes = in.readBytes(record.size());
        std::copy(bytes.begin(), bytes.end(), record.begin());
    }

    file.metalPiles = readPiles(in, "metal pile count");
    file.oilPiles = readPiles(in, "oil pile count");
    file.mapValue = in.readInt32();
    file.flagByte = in.readByte();
    file.discardedLine = readMapLine(in);
    for (MapBaseCentre& centre : file.baseCentres)
        centre.z = in.readInt32();
    for (MapBaseCentre& centre : file.baseCentres)
        centre.x = in.readInt32();
    return file;
}

} // namespace

ParseResult<WorldFile> parseWorldFile(std::span<const uint8_t> bytes) {
    ByteReader in(bytes);
    try {
        return {readSections(in), {}};
    } catch (const FormatError& error) {
        return {std::nullopt, error.what()};
    }
}

ParseResult<WorldFile> readWorldFile(const std::string& path) {
    ParseResult<MapFile> read = readMapFile(path);
    if (!read)
        return {std::nullopt, read.error};
    return {std::move(read.value->world), {}};
}

ParseResult<MapFile> readMapFile(const std::string& path) {
    const auto bytes = readFileBytes(path);
    if (!bytes)
        return {std::nullopt, "cannot open " + normalisePath(path)};
    ParseResult<WorldFile> parsed = parseWorldFile(*bytes);
    if (!parsed)
        return {std::nullopt, parsed.error};
    return {MapFile{std::move(*parsed.value), fnv1a(*bytes)}, {}};
}

std::string mapUnavailableMessage(const std::string& path) {
    return "Map " + path + " wasn't found or is corrupted!";
}

std::vector<MapObject> mapObjects(const WorldFile& file) {
    std::vector<MapObject> objects;
    for (const MapPile& pile : file.metalPiles)
        objects.push_back(
            {MetalPileType, NeutralOwner, static_cast<double>(pile.x), static_cast<double>(pile.z)});
    for (const MapPile& pile : file.oilPiles)
        objects.push_back(
            {OilPileType, NeutralOwner, static_cast<double>(pile.x), static_cast<double>(pile.z)});
    for (std::size_t i = 0; i < file.baseCentres.size(); ++i) {
        const MapBaseCentre& centre = file.baseCentres[i];
        objects.push_back({BaseCentreType, static_cast<int32_t>(i + 1), static_cast<double>(centre.x),
                           static_cast<double>(centre.z)});
    }
    return objects;
}

void placeMapObjects(const WorldFile& file, const CreateMapObject& create) {
    for (const MapObject& object : mapObjects(file))
        create(object);
}
