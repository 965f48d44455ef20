#include "formats/MapWriter.h"

#include "formats/ByteWriter.h"

#include <stdexcept>

namespace {

// The game keeps at most 254 bytes of a line, the line feed included.
constexpr std::size_t MapLineLength = 253;

void checkGrid(const WorldFile& file) {
    const std::size_t rows = file.rows;
    const std::size_t columns = file.columns;
    if (file.rows < 0 || file.columns < 0 || file.cornerHeights.size() != (rows + 1) * (columns + 1) ||
        file.cellTextures.size() != rows * columns)
        throw std::invalid_argument("the map's arrays do not match its grid");
}

void writePiles(ByteWriter& out, const std::vector<MapPile>& piles) {
    out.int32(static_cast<int32_t>(piles.size()));
    for (const MapPile& pile : piles) {
        out.int32(pile.z);
        out.int32(pile.x);
        out.int32(pile.unused);
    }
}

} // namespace

std::vector<uint8_t> writeWorldFile(const WorldFile& file) {
    checkGrid(file);
    ByteWriter out;
    out.int32(file.rows);
    out.int32(file.columns);
    for (const float height : file.cornerHeights)
        out.float32(height);
    for (const int32_t texture : file.cellTextures)
        out.int32(texture);
    out.int32(static_cast<int32_t>(file.textureNames.size()));
    for (const std::string& name : file.textureNames)
        out.line(name, MapLineLength);
    out.int32(static_cast<int32_t>(file.entries.size()));
    for (const MapEntry& entry : file.entries) {
        for (const uint32_t value : entry.values)
            out.uint32(value);
        out.line(entry.name, MapLineLength);
    }
    out.int32(static_cast<int32_t>(file.records.size()));
    for (const auto& record : file.records)
        out.bytes(record);
    writePiles(out, file.metalPiles);
    writePiles(out, file.oilPiles);
    out.int32(file.mapValue);
    out.byte(file.flagByte);
    out.line(file.discardedLine, MapLineLength);
    for (const MapBaseCentre& centre : file.baseCentres)
        out.int32(centre.z);
    for (const MapBaseCentre& centre : file.baseCentres)
        out.int32(centre.x);
    return out.take();
}
